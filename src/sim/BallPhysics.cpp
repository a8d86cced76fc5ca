#include "sim/Ball.h"

#include "model/Level.h"
#include "sim/PortableMath.h"

#include <cmath>
#include <numbers>

namespace {

// The double nearest pi, the value acos(-1) gives.
constexpr double s_pi = std::numbers::pi;

} // namespace

std::pair<double, double> CBall::PolarToCartesian(double angle, double length)
{
    return {PortableCos(angle) * length, PortableSin(angle) * length};
}

std::pair<double, double> CBall::CartesianToPolar(double x, double y)
{
    return {PortableAtan2(y, x), std::sqrt(x * x + y * y)};
}

void CBall::Step()
{
    CheckCup();
    CheckWalls();
    auto [vx, vy] = PolarToCartesian(m_angle, m_speed);
    if (m_inCup) {
        // Sinking: the ball shrinks where it is until it has vanished.
        m_radius -= 2.0 / m_resolution;
        if (m_radius < 0) {
            m_moving = false;
            return;
        }
    } else {
        m_x += vx / m_resolution;
        m_y += vy / m_resolution;
    }
    // The dots turn by the distance rolled over the radius, against the motion.
    m_rollX.fetch_add(-(vx / m_resolution) / m_radius, std::memory_order_relaxed);
    m_rollY.fetch_add(-(vy / m_resolution) / m_radius, std::memory_order_relaxed);

    const double x = m_x;
    const double y = m_y;
    if (m_level->GetKindAt(x, y) != Water && m_level->IsPointInside(x, y)) {
        // Slope pull first, then friction as a factor per step.
        const double friction = m_level->GetFrictionAt(x, y) / m_resolution;
        vx += m_level->GetSlopeXAt(x, y) / m_resolution;
        vy += m_level->GetSlopeYAt(x, y) / m_resolution;
        const auto [angle, speed] = CartesianToPolar(vx, vy);
        m_angle = angle;
        m_speed = speed * (1.0 - friction);
    } else {
        Trace("In water or out of area\n");
        m_x = m_startX;
        m_y = m_startY;
        m_speed = -1.0;
        m_moving = false;
        if (m_soundOn)
            PlaySound(kWaterSound);
    }
}

bool CBall::IsCupAt(double x, double y) const { return m_level->GetKindAt(x, y) == Hole; }

void CBall::CheckCup()
{
    const double pull = 60.0 / m_resolution;
    if (!m_inCup) {
        const double x = m_x;
        const double y = m_y;
        const double q = 0.58 * m_radius;
        if (IsCupAt(x, y) || IsCupAt(x + q, y + q) || IsCupAt(x + q, y - q) || IsCupAt(x - q, y + q) ||
            IsCupAt(x - q, y - q)) {
            m_touchedCup = true;
            // A ring at 0.58 radius, from pi down to -pi: which of its points lie on the cup, and
            // their mean direction.
            bool any = false;
            bool all = true;
            double sx = 0.0;
            double sy = 0.0;
            for (double theta = s_pi; theta >= -s_pi; theta -= s_pi / 15) {
                if (IsCupAt(x + q * PortableCos(theta), y + q * PortableSin(theta))) {
                    any = true;
                    sx += PortableCos(theta);
                    sy += PortableSin(theta);
                } else {
                    all = false;
                }
            }
            if (any) {
                const double phi = PortableAtan2(sy, sx);
                ++m_cupPull;
                if (m_speed < 2.0 || m_cupPull >= m_resolution / 5) {
                    // Turned straight toward the cup and sped up.
                    m_angle = phi;
                    m_speed += pull;
                } else {
                    // A gentle pull on a fast ball.
                    auto [vx, vy] = PolarToCartesian(m_angle, m_speed);
                    vx += pull * PortableCos(phi);
                    vy += pull * PortableSin(phi);
                    const auto [angle, speed] = CartesianToPolar(vx, vy);
                    m_angle = angle;
                    m_speed = speed;
                }
            }
            if (all && (m_speed < 2.0 || m_cupPull >= m_resolution * 6 / 100)) {
                m_inCup = true;
                if (m_soundOn)
                    PlaySound(kInCupSound);
            }
            return;
        }
    }
    // Away from the cup (or already in it): the speed the pull gave is taken back.
    if (m_cupPull > 0)
        m_speed -= m_cupPull * pull;
    m_cupPull = 0;
    if (m_touchedCup && !m_inCup) {
        if (m_soundOn && m_speedLevel != kUltra)
            PlaySound(kCrowdSound);
        m_touchedCup = false;
    }
}

bool CBall::IsWallOutOfReach(double x, double y, double r) const
{
    // Every point the scan probes lies in the square from (x - r, y - r) to (x + r, y + r), as
    // rounded: if that square is inside the level and its cells hold no wall material, no probe
    // can find a wall. A coordinate that is not a number fails the inside test.
    const double left = x - r;
    const double top = y - r;
    const double right = x + r;
    const double bottom = y + r;
    if (!m_level->IsPointInside(left, top) || !m_level->IsPointInside(right, bottom))
        return false;
    for (int cx = static_cast<int>(left); cx <= static_cast<int>(right); ++cx) {
        for (int cy = static_cast<int>(top); cy <= static_cast<int>(bottom); ++cy) {
            if (m_level->GetCellBackKind(cx, cy) == Wall || m_level->GetCellFrontKind(cx, cy) == Wall)
                return false;
        }
    }
    return true;
}

void CBall::CheckWalls()
{
    const double x = m_x;
    const double y = m_y;
    const double r = m_radius;
    const double heading = m_angle;
    if (IsWallOutOfReach(x, y, r)) {
        m_touchingWall = false;
        return;
    }
    // Scan the forward half of the rim; along each ray that meets a wall, bisect the distance to
    // it, skipping rays that cannot come closer than the nearest wall found so far. A ray's
    // direction is computed once: cos and sin of the same angle give the same values each time.
    double best = 100.0;
    double bestDelta = 0.0;
    double loss = 0.0;
    for (double delta = -s_pi / 2; delta <= s_pi / 2; delta += s_pi / 200) {
        const auto [dx, dy] = PolarToCartesian(heading + delta, 1.0);
        if (!m_level->IsWallAt(x + dx * r, y + dy * r))
            continue;
        const double facing = PortableSin(s_pi / 2 + delta);
        double lo = 0.0;
        double hi = r;
        for (int i = 0; i < 20 && lo < best; ++i) {
            const double mid = (lo + hi) / 2;
            const double qx = x + dx * mid;
            const double qy = y + dy * mid;
            if (m_level->IsWallAt(qx, qy)) {
                hi = mid;
                // The last bisection that met a wall sets the loss, whichever ray it was on.
                loss = facing * m_level->GetWallFactorAt(qx, qy);
            } else {
                lo = mid;
            }
        }
        const double m = (lo + hi) / 2;
        if (m < best) {
            best = m;
            bestDelta = delta;
        }
    }
    if (best >= 100.0) {
        m_touchingWall = false;
        return;
    }
    // Mirror the heading at the wall's tangent.
    m_angle = ((bestDelta - s_pi) + bestDelta) + heading;
    if (!m_touchingWall) {
        m_speed *= 1.0 - loss;
        if (m_soundOn && m_speedLevel != kUltra)
            PlaySound(kHitWallSound);
    }
    m_touchingWall = true;
}
