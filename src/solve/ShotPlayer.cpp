#include "solve/ShotPlayer.h"

#include "model/Level.h"

#include <algorithm>
#include <cmath>
#include <limits>

CShotPlayer::CShotPlayer(const CLevel& level) : m_level(level)
{
    m_ball.SetSoundOn(false);
    m_ball.SetDotsTurning(false);
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

CPlayedShot CShotPlayer::PlayForCup(const CBallState& from, const CShot& shot)
{
    Place(from);
    CPlayedShot played;
    played.shot = shot;
    m_ball.Launch(shot.strength, shot.angle, CBall::kNormal);
    bool moving = true;
    while (moving && played.steps < kStepLimit && !m_ball.IsInCup() &&
           CanReachCup(m_ball.GetX(), m_ball.GetY(), m_ball.GetSpeed())) {
        moving = m_ball.Advance();
        ++played.steps;
    }
    played.result = m_ball.IsInCup() ? ShotCup : !moving && m_ball.WasPutBack() ? ShotWater : !moving ? ShotRest : ShotMoving;
    if (m_ball.IsMoving())
        m_ball.Stop();
    played.end = {m_ball.GetX(), m_ball.GetY(), m_ball.GetSlowSteps()};
    played.throughWall = m_ball.HasPassedWall();
    return played;
}

bool CShotPlayer::CanReachCup(double x, double y, double speed)
{
    if (!m_cupRangeMade) {
        m_cupRangeMade = true;
        const int width = m_level.GetWidth();
        const int height = m_level.GetHeight();
        std::vector<std::pair<int, int>> cups;
        bool sloped = false;
        for (int cy = 0; cy < height; ++cy) {
            for (int cx = 0; cx < width; ++cx) {
                const CBlock& block = *m_level.FindBlock(cx, cy);
                if (block.GetBackKind() == Hole || (!block.IsUniform() && block.GetFrontKind() == Hole))
                    cups.emplace_back(cx, cy);
                sloped = sloped || block.GetBackRotation() != NoSlope ||
                         (!block.IsUniform() && block.GetFrontRotation() != NoSlope);
            }
        }
        m_leastFriction = CMaterial::Get(Grass, NoSlope).GetFriction();
        for (const int kind : {Wall, Ice, Hole, Sand, Water})
            m_leastFriction = std::min(m_leastFriction, CMaterial::Get(kind, NoSlope).GetFriction());
        if (!sloped) {
            m_cupRange.assign(static_cast<std::size_t>(width) * height, std::numeric_limits<double>::infinity());
            for (int cy = 0; cy < height; ++cy) {
                for (int cx = 0; cx < width; ++cx) {
                    for (const auto& [hx, hy] : cups) {
                        const double dx = std::max(0, std::abs(cx - hx) - 1);
                        const double dy = std::max(0, std::abs(cy - hy) - 1);
                        m_cupRange[cy * width + cx] = std::min(m_cupRange[cy * width + cx], std::sqrt(dx * dx + dy * dy));
                    }
                }
            }
        }
    }
    if (m_cupRange.empty() || !(x >= 0 && y >= 0 && x < m_level.GetWidth() && y < m_level.GetHeight()))
        return true;
    // The cup's farthest probes lie 0.58 of the radius beyond the centre along both axes, 0.29
    // blocks away at full size; 0.3 leaves a margin for rounding. A speed the cup's pull leaves
    // below zero rolls the ball backward.
    const double range = m_cupRange[static_cast<int>(y) * m_level.GetWidth() + static_cast<int>(x)];
    return range <= std::abs(speed) / m_leastFriction + 0.3;
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
        const CShot turned{played.shot.strength, played.shot.angle + k * kForgivenessStep};
        // For a shot into the cup only the cup counts.
        const CPlayedShot other = played.result == ShotCup ? PlayForCup(from, turned) : Play(from, turned);
        if (other.result != played.result)
            continue;
        const double dx = other.end.x - played.end.x;
        const double dy = other.end.y - played.end.y;
        same += played.result != ShotRest || dx * dx + dy * dy <= 0.25;
    }
    return same * 100 / (2 * kForgivenessSteps + 1);
}
