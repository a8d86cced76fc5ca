#pragma once
#include "render/Colour.h"
#include "render/Rect.h"
#include "sim/BallListener.h"
#include "sim/PortableMath.h"
#include "sim/Relaxed.h"
#include "sim/RimScan.h"

#include <array>
#include <atomic>
#include <string>
#include <thread>
#include <utility>

class CDeviceContext;
class CLevel;
class CSoundPlayer;

// The test-mode ball: a disc rolling over a level, pulled by slopes, slowed by friction,
// reflected by walls, drawn into the cup and put back when it falls into water or leaves the
// level. Positions are level coordinates in blocks, headings radians with y downward, the speed
// blocks per time unit of m_resolution integration steps.
//
// A shot runs on a thread of its own (Start): the ball thread writes the motion fields while the
// user-interface thread reads them for painting and writes the speed level, the sound flag and
// the stop request. Every field the two threads share is atomic; nothing is locked. The level is
// read by the ball thread through its point queries: the owner must not change it during a shot.
// The view given to Start, and the sound player, must outlive the ball: the ball's end stops the
// shot and waits for the thread, handling the view's events meanwhile.
class CBall {
public:
    // Speed levels: Paus (-2) to Ultra (5).
    static constexpr int kPaus = -2;
    static constexpr int kNormal = 0;
    static constexpr int kSuper = 4;
    static constexpr int kUltra = 5;

    // Relative to the current directory.
    static constexpr const char* kHitWallSound = "sounds/HitWall.wav";
    static constexpr const char* kInCupSound = "sounds/InCup.wav";
    static constexpr const char* kCrowdSound = "sounds/crowd.wav";
    static constexpr const char* kWaterSound = "sounds/Water.wav";

    struct CDot {
        double x;
        double y;
        double z;
    };

    explicit CBall(int id);
    CBall(const CBall&) = delete;
    CBall& operator=(const CBall&) = delete;
    // Stops a moving ball and waits for its thread, handling the view's events meanwhile.
    ~CBall();

    // Binds the ball to a level at its start position, full size and out of the cup. Not while
    // the ball moves.
    void AttachLevel(const CLevel* level);

    void SetCellSize(int cellSize) { m_cellSize = cellSize; }
    void SetOriginX(int x) { m_originX = x; }
    void SetOriginY(int y) { m_originY = y; }
    void SetX(double x) { m_x = x; }
    void SetY(double y) { m_y = y; }
    double GetX() const { return m_x; }
    double GetY() const { return m_y; }
    double GetRadius() const { return m_radius; }
    double GetSpeed() const { return m_speed; }
    double GetAngle() const { return m_angle; }
    void SetColour(Colour colour) { m_colour = colour; }
    bool IsMoving() const { return m_moving; }
    bool IsInCup() const { return m_inCup; }
    // The last shot ended in water or beyond the level's edge: the reset leaves the speed at -1.
    bool WasPutBack() const { return !m_inCup && m_speed < 0.0; }
    void SetSoundOn(bool on) { m_soundOn = on; }
    bool IsSoundOn() const { return m_soundOn; }
    void SetSpeedLevel(int level) { m_speedLevel = level; }
    int GetSpeedLevel() const { return m_speedLevel; }
    // The count of slow steps toward coming to rest. A shot does not reset it, so it carries over
    // from one shot to the next (a ball put back from water keeps the count it had there); only
    // the first steps of a very slow shot depend on it.
    int GetSlowSteps() const { return m_slowSteps; }
    void SetSlowSteps(int steps) { m_slowSteps = steps; }
    // The ball's centre lay on wall ground after some step of the last shot: a fast ball can
    // pass through a wall.
    bool HasPassedWall() const { return m_passedWall; }
    // Whether the steps turn the dots on the ball's surface (the default); a ball that nobody
    // draws saves that work. The motion is the same either way.
    void SetDotsTurning(bool on) { m_dotsTurning = on; }
    // Where the sounds go; none (the default) keeps the ball silent.
    void SetSoundPlayer(CSoundPlayer* player) { m_soundPlayer = player; }

    // The pixel rectangle holding the ball and its shadow.
    CRect GetRect() const;
    // Shadow, body and, unless in the cup, the visible half of the rolling dots; darker when
    // dimmed. Draws nothing once the ball has sunk into the cup. User-interface thread only.
    void Draw(CDeviceContext& dc, bool dimmed);

    // Starts a shot on the ball thread, which notifies the view after every tick. Does nothing
    // while the ball moves, while the thread of the previous shot is still finishing, without a
    // view or without a level (and returns false then: a ball that rolls at once may already
    // have stopped again when Start returns).
    bool Start(double speed, double angle, CBallListener* view, int speedLevel);
    // Asks the ball thread to stop and handles the view's events until the ball has stopped;
    // returns at once when nothing moves or when the application is closing.
    void Stop();

    // Headless running on the calling thread: Launch starts a shot without a thread (it does
    // nothing while the ball moves), Advance performs what the ball thread does for one step (the
    // integration step, then the coming-to-rest rule unless in the cup) and returns IsMoving.
    void Launch(double speed, double angle, int speedLevel);
    bool Advance();
    // One pass of the ball thread's loop: the steps of the speed level, then the notification.
    // Returns whether the ball still moves.
    bool Tick();

    // One integration step: cup, walls, motion, rolling, ground.
    void Step();

    static std::pair<double, double> PolarToCartesian(double angle, double length);
    // (angle, length) of the vector (x, y).
    static std::pair<double, double> CartesianToPolar(double x, double y);

private:
    static int BallThreadProc(CBall* ball);
    void CheckCup();
    // Sets direction to the sine and cosine of the heading it leaves, and returns true, when it
    // has them.
    bool CheckWalls(CSinCos& direction);
    void ApplyRestRule();
    void Notify(int code);
    void PlaySound(const char* path);
    void Trace(const std::string& line);
    // Waits, handling the view's events, until the previous shot's thread has left its loop, and
    // joins it.
    void FinishThread();
    void ResetDots();
    void RotateDots(double a, double b, double c, int first, int last);
    bool IsCupAt(double x, double y) const;

    int m_id;
    int m_cellSize = 20;
    int m_originX = 0;
    int m_originY = 0;
    std::atomic<int> m_speedLevel = kNormal;
    CRelaxed<double> m_radius = 0.35;
    CRelaxed<double> m_x = 100.0;
    CRelaxed<double> m_y = 100.0;
    double m_startX = 0.0;
    double m_startY = 0.0;
    CRelaxed<double> m_speed = 0.0;
    CRelaxed<double> m_angle = 0.0;
    Colour m_colour = MakeRgb(230, 230, 230);
    // Accumulated by the ball thread, taken and cleared by the drawing.
    std::atomic<double> m_rollX = 0.0;
    std::atomic<double> m_rollY = 0.0;
    const int m_resolution = 200;
    int m_slowSteps = 0;
    int m_cupPull = 0;
    std::atomic<bool> m_moving = false;
    CRelaxed<bool> m_inCup = false;
    bool m_touchedCup = false;
    std::atomic<bool> m_stopRequested = false;
    bool m_touchingWall = false;
    bool m_passedWall = false;
    bool m_dotsTurning = true;
    // The cells within the ball's reach, kept from step to step of a shot.
    CReach m_reach;
    std::atomic<bool> m_soundOn = true;
    std::thread m_thread;
    const CLevel* m_level = nullptr;
    CBallListener* m_view = nullptr;
    std::array<CDot, 192> m_dots{};

    CSoundPlayer* m_soundPlayer = nullptr;
    // Set by Start, cleared by the ball thread as the last thing it does.
    std::atomic<bool> m_threadRunning = false;
};
