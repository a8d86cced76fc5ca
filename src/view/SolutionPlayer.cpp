#include "view/SolutionPlayer.h"

#include "solve/ShotPlayer.h"
#include "edit/EditingSession.h"
#include "view/TestMode.h"

namespace {

constexpr int kPollIntervalMs = 20;
// How long the ball lies still before the next shot, so that the eye can follow.
constexpr int kPausePolls = 15;

} // namespace

CSolutionPlayer::CSolutionPlayer(CTestMode& testMode, const CEditingSession& session)
    : m_testMode(testMode), m_session(session)
{
    m_timer.setInterval(kPollIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &CSolutionPlayer::Poll);
}

void CSolutionPlayer::Play(const CSolution& solution)
{
    // Copied first: entering test mode may change what the caller holds.
    m_solution = solution;
    m_testMode.Restart();
    m_start = CShotPlayer::StartState(m_session.GetLevel());
    // The solver's first shot starts with the count of a ball that has not rolled yet; one that
    // rolled earlier in this run kept its own.
    m_testMode.SetSlowSteps(m_start.slowSteps);
    m_next = 0;
    m_stillPolls = 0;
    m_timer.start();
    emit Changed();
}

void CSolutionPlayer::Stop()
{
    if (!IsPlaying())
        return;
    m_timer.stop();
    emit Changed();
}

CBallState CSolutionPlayer::StateBefore(int shot) const
{
    return shot == 0 ? m_start : m_solution.shots[shot - 1].end;
}

int CSolutionPlayer::GetForgiveness(int shot) const
{
    const std::vector<int>& forgiveness = m_solution.forgiveness;
    return shot >= 1 && shot <= static_cast<int>(forgiveness.size()) ? forgiveness[shot - 1] : 0;
}

bool CSolutionPlayer::IsThroughWall(int shot) const
{
    return shot >= 1 && shot <= GetShotCount() && m_solution.shots[shot - 1].throughWall;
}

void CSolutionPlayer::Poll()
{
    // The last shot sinks the ball, which ends test mode.
    if (!m_testMode.IsOn()) {
        Stop();
        return;
    }
    const CBall& ball = m_testMode.GetBall();
    if (ball.IsMoving()) {
        m_stillPolls = 0;
        return;
    }
    // Still, the ball's thread writes nothing more: where it lies can be read.
    const CBallState now{ball.GetX(), ball.GetY(), ball.GetSlowSteps()};
    if (now != StateBefore(m_next) || m_next == GetShotCount()) {
        Stop();
        return;
    }
    if (++m_stillPolls < kPausePolls)
        return;
    const CShot& shot = m_solution.shots[m_next].shot;
    // Refused while the thread of the shot before is still finishing: the next poll tries again.
    if (!m_testMode.Shoot(shot.strength, shot.angle))
        return;
    m_stillPolls = 0;
    ++m_next;
    emit Changed();
}
