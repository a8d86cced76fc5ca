#pragma once
#include "sim/Ball.h"
#include "solve/Shot.h"

#include <functional>
#include <numbers>
#include <vector>

class CLevel;

// Plays shots on a level as test mode does, without a thread: the ball's own steps, one after
// the other, with the coming-to-rest rule, sound off. The level must outlive the player and stay
// unchanged while it plays; one player serves one thread.
class CShotPlayer {
public:
    // Step limit for the search and the shot map: a ball that a ring of slopes keeps rolling never
    // comes to rest, and test mode would roll it until the user stops it.
    static constexpr long long kStepLimit = 200000;

    // Called after every step with the ball and the number of steps so far.
    using StepObserver = std::function<void(const CBall& ball, long long step)>;

    explicit CShotPlayer(const CLevel& level);

    // Where the first shot of test mode starts: the level's ball start, with the count of a ball
    // that has not rolled yet.
    static CBallState StartState(const CLevel& level);

    // Puts the ball at the state given, full size and out of the cup, as entering test mode
    // there would.
    void Place(const CBallState& state);

    // Plays one shot from the state given (Place, then Shoot). Records the path when asked.
    CPlayedShot Play(const CBallState& from, const CShot& shot, bool recordPath = false,
                     long long maxSteps = kStepLimit);

    // Whether one shot from the state sinks the ball: played as far as it can still sink, so
    // that a shot that cannot any more ends early (with the result ShotMoving and the ball where
    // it was then), and one that sinks ends as it drops in. Whether it sinks, and the wall mark,
    // are those of Play.
    CPlayedShot PlayForCup(const CBallState& from, const CShot& shot);

    // Plays the shots one after the other on one ball, exactly as test mode does after it was
    // entered at the level's start: each shot starts where the one before left the ball. Stops
    // after a shot that sinks the ball or is still moving at the step limit.
    std::vector<CPlayedShot> PlaySequence(const std::vector<CShot>& shots, bool recordPaths = false,
                                          long long maxSteps = kStepLimit);

    // Shoots the ball from where it lies, calling the observer after every step.
    CPlayedShot Shoot(const CShot& shot, long long maxSteps, const StepObserver& onStep);

    // How forgiving a shot played from the state is: the share, in whole percent rounded down,
    // of the headings within a degree of its own (kForgivenessSteps steps of a twentieth of a
    // degree either way, its own included) whose shot, same strength, ends the same way: in the
    // cup, in the water, or at rest within half a block of where it came to rest.
    int GetForgiveness(const CBallState& from, const CPlayedShot& played);
    static constexpr int kForgivenessSteps = 20;
    static constexpr double kForgivenessStep = std::numbers::pi / 3600;

private:
    CPlayedShot ShootRecording(const CShot& shot, long long maxSteps, bool recordPath);
    // Whether a ball anywhere in the cell (x, y) with the given speed can still get near cup
    // ground: friction, a factor per step of at least the least of any ground, lets it roll at
    // most speed / friction blocks; walls and water only shorten that, and on a level without
    // slopes nothing speeds it up until the pull of the cup, which needs a probe on cup ground.
    bool CanReachCup(double x, double y, double speed);

    const CLevel& m_level;
    CBall m_ball{0};
    // For CanReachCup, made on first use: the distance from each cell to the nearest cell with
    // cup ground (empty when the level has slopes, where no such bound holds).
    bool m_cupRangeMade = false;
    std::vector<double> m_cupRange;
    double m_leastFriction = 0.0;
};
