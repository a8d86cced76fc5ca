#include "sim/Ball.h"

#include "model/Level.h"
#include "sim/PortableMath.h"
#include "sim/RimScan.h"

#include <cmath>
#include <numbers>

namespace {

// The double nearest pi, the value acos(-1) gives.
constexpr double s_pi = std::numbers::pi;

// The ring of cup samples: the cosines and sines of theta from pi down to -pi in steps of
// pi / 15 as accumulated, computed once with the very expressions of the plain loop.
struct CCupRing {
    int count = 0;
    double cos[32];
    double sin[32];
};

CCupRing MakeCupRing()
{
    CCupRing ring;
    for (double theta = s_pi; theta >= -s_pi; theta -= s_pi / 15) {
        ring.cos[ring.count] = PortableCos(theta);
        ring.sin[ring.count] = PortableSin(theta);
        ++ring.count;
    }
    return ring;
}

// Made before main runs; no ball steps before that.
const CCupRing s_cupRing = MakeCupRing();

} // namespace

std::pair<double, double> CBall::PolarToCartesian(double angle, double length)
{
    const CSinCos direction = PortableSinCos(angle);
    return {direction.cos * length, direction.sin * length};
}

std::pair<double, double> CBall::CartesianToPolar(double x, double y)
{
    return {PortableAtan2(y, x), std::sqrt(x * x + y * y)};
}

void CBall::Step()
{
    m_reach.Update(*m_level, m_x, m_y, m_radius);
    CheckCup();
    CSinCos direction;
    if (!CheckWalls(direction))
        direction = PortableSinCos(m_angle);
    // PolarToCartesian, with the sine and cosine the wall check may have had already.
    double vx = direction.cos * m_speed;
    double vy = direction.sin * m_speed;
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
    if (m_dotsTurning) {
        m_rollX.fetch_add(-(vx / m_resolution) / m_radius, std::memory_order_relaxed);
        m_rollY.fetch_add(-(vy / m_resolution) / m_radius, std::memory_order_relaxed);
    }

    // Mostly still within the cells of the step's start.
    const double x = m_x;
    const double y = m_y;
    const CMaterial* ground = m_reach.Holds(x, y) ? m_reach.FindMaterialAt(x, y) : m_level->FindMaterialAt(x, y);
    if (ground && ground->GetKind() != Water) {
        m_passedWall = m_passedWall || ground->IsWall();
        // Slope pull first, then friction as a factor per step.
        const double friction = ground->GetFriction() / m_resolution;
        vx += ground->GetSlopeX() / m_resolution;
        vy += ground->GetSlopeY() / m_resolution;
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
        // Every probe lies within reach: without cup ground there, none is on the cup.
        const bool cupNear = !m_reach.IsMapped() || m_reach.HasCup();
        if (cupNear && (IsCupAt(x, y) || IsCupAt(x + q, y + q) || IsCupAt(x + q, y - q) || IsCupAt(x - q, y + q) ||
                        IsCupAt(x - q, y - q))) {
            m_touchedCup = true;
            // A ring at 0.58 radius, from pi down to -pi: which of its points lie on the cup, and
            // their mean direction.
            bool any = false;
            bool all = true;
            double sx = 0.0;
            double sy = 0.0;
            for (int i = 0; i < s_cupRing.count; ++i) {
                if (IsCupAt(x + q * s_cupRing.cos[i], y + q * s_cupRing.sin[i])) {
                    any = true;
                    sx += s_cupRing.cos[i];
                    sy += s_cupRing.sin[i];
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

bool CBall::CheckWalls(CSinCos& direction)
{
    const double heading = m_angle;
    if (m_reach.IsMapped() && m_reach.IsWallBeyond(m_x, m_y, m_radius)) {
        // No wall within reach.
        m_touchingWall = false;
        return false;
    }
    direction = PortableSinCos(heading);
    const CRimContact contact = CRimScan(*m_level, m_reach, m_x, m_y, m_radius, heading, &direction).Scan();
    if (!contact.found) {
        m_touchingWall = false;
        return true;
    }
    // Mirror the heading at the wall's tangent.
    m_angle = ((contact.delta - s_pi) + contact.delta) + heading;
    if (!m_touchingWall) {
        m_speed *= 1.0 - contact.loss;
        if (m_soundOn && m_speedLevel != kUltra)
            PlaySound(kHitWallSound);
    }
    m_touchingWall = true;
    return false;
}
