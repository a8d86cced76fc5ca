#pragma once
#include "solve/ShotSolver.h"

#include <QObject>
#include <QTimer>

#include <vector>

class CEditingSession;
class CTestMode;

// Plays a solution in test mode: enters it afresh at the level's start and shoots the solution's
// shots one after the other, each through the test-mode ball and its thread at the view's speed
// level, as if the user had clicked it, once the ball lies still where the shot before left it.
// The simulation being exact, the last shot sinks the ball, which ends test mode. Playing stops
// when test mode ends, or when the ball is anywhere but where the solution expects it (the user
// stopped or shot it).
class CSolutionPlayer : public QObject {
    Q_OBJECT
public:
    CSolutionPlayer(CTestMode& testMode, const CEditingSession& session);

    // Plays its own copy of the solution, taken before test mode starts.
    void Play(const CSolution& solution);
    // Stops following the solution; the ball rolls on.
    void Stop();
    bool IsPlaying() const { return m_timer.isActive(); }
    // The shot rolling now or last, counted from 1; 0 before the first.
    int GetShotNumber() const { return m_next; }
    int GetShotCount() const { return static_cast<int>(m_solution.shots.size()); }
    // How forgiving the shot (counted from 1) is, in percent, and whether it passes through a wall.
    int GetForgiveness(int shot) const;
    bool IsThroughWall(int shot) const;

signals:
    void Changed();

private:
    // Looks at the ball: shoots the next shot once the ball has lain still for a moment where
    // the shot before left it.
    void Poll();
    // Where the shot (counted from 0) starts.
    CBallState StateBefore(int shot) const;

    CTestMode& m_testMode;
    const CEditingSession& m_session;
    CSolution m_solution;
    CBallState m_start;
    // The shots started so far.
    int m_next = 0;
    int m_stillPolls = 0;
    QTimer m_timer;
};
