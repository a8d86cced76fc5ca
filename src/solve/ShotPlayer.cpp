#include "solve/ShotPlayer.h"

#include "model/Level.h"

CShotPlayer::CShotPlayer(const CLevel& level) : m_level(level)
{
    m_ball.SetSoundOn(false);
    m_ball.AttachLevel(&m_level);
}

CBallState CShotPlayer::StartState(const CLevel& level) { return {level.GetBallX(), level.GetBallY(), 0}; }

void CShotPlayer::Place(const CBallState& state)
{
    m_ball.AttachLevel(&m_level);
    m_ball.SetX(state.x);
    m_ball.SetY(state.y);
    m_ball.SetSlowSteps(state.slowSteps);
}

CPlayedShot CShotPlayer::Play(const CBallState& from, const CShot& shot, bool recordPath, long long maxSteps)
{
    Place(from);
    return ShootRecording(shot, maxSteps, recordPath);
}

std::vector<CPlayedShot> CShotPlayer::PlaySequence(const std::vector<CShot>& shots, bool recordPaths,
                                                   long long maxSteps)
{
    Place(StartState(m_level));
    std::vector<CPlayedShot> played;
    for (const CShot& shot : shots) {
        played.push_back(ShootRecording(shot, maxSteps, recordPaths));
        if (played.back().result == ShotCup || played.back().result == ShotMoving)
            break;
    }
    return played;
}

CPlayedShot CShotPlayer::ShootRecording(const CShot& shot, long long maxSteps, bool recordPath)
{
    if (!recordPath)
        return Shoot(shot, maxSteps, {});
    std::vector<CPathPoint> path{{m_ball.GetX(), m_ball.GetY()}};
    CPlayedShot played = Shoot(shot, maxSteps, [&path](const CBall& ball, long long) {
        // The step that finds water puts the ball back at once: that point is not on the path.
        if (!ball.WasPutBack())
            path.push_back({ball.GetX(), ball.GetY()});
    });
    played.path = std::move(path);
    return played;
}

CPlayedShot CShotPlayer::Shoot(const CShot& shot, long long maxSteps, const StepObserver& onStep)
{
    CPlayedShot played;
    played.shot = shot;
    m_ball.Launch(shot.strength, shot.angle, CBall::kNormal);
    bool moving = true;
    while (moving && played.steps < maxSteps) {
        moving = m_ball.Advance();
        ++played.steps;
        if (onStep)
            onStep(m_ball, played.steps);
    }
    played.result = moving ? ShotMoving : m_ball.IsInCup() ? ShotCup : m_ball.WasPutBack() ? ShotWater : ShotRest;
    if (moving)
        m_ball.Stop();
    played.end = {m_ball.GetX(), m_ball.GetY(), m_ball.GetSlowSteps()};
    played.throughWall = m_ball.HasPassedWall();
    return played;
}

int CShotPlayer::GetForgiveness(const CBallState& from, const CPlayedShot& played)
{
    int same = 1; // the shot itself
    for (int k = -kForgivenessSteps; k <= kForgivenessSteps; ++k) {
        if (k == 0)
            continue;
        const CPlayedShot other = Play(from, {played.shot.strength, played.shot.angle + k * kForgivenessStep});
        if (other.result != played.result)
            continue;
        const double dx = other.end.x - played.end.x;
        const double dy = other.end.y - played.end.y;
        same += played.result != ShotRest || dx * dx + dy * dy <= 0.25;
    }
    return same * 100 / (2 * kForgivenessSteps + 1);
}
