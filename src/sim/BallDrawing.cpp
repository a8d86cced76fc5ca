#include "sim/Ball.h"

#include <cmath>
#include <numbers>

namespace {

// The double nearest pi, the value acos(-1) gives.
constexpr double s_pi = std::numbers::pi;

int Trunc(double value) { return static_cast<int>(value); }

} // namespace

CPixelRect CBall::GetRect() const
{
    const double r = m_radius;
    const double x = m_x;
    const double y = m_y;
    return {Trunc((x - r) * m_cellSize + m_originX), Trunc((y - r) * m_cellSize + m_originY),
            Trunc((x + r) * m_cellSize + m_originX + 2.0), Trunc((y + r) * m_cellSize + m_originY + 2.0)};
}

void CBall::ResetDots()
{
    m_rollX = 0.0;
    m_rollY = 0.0;
    // Each dot is the base point turned a little further than the one before: a spiral line
    // over the sphere.
    const double u = 2 * s_pi / 64;
    for (int i = 0; i < static_cast<int>(m_dots.size()); ++i) {
        m_dots[i] = {m_radius, 0.0, 0.0};
        RotateDots(i * u / 3, i * u / 3, i * u / 1.5, i, i);
    }
}

void CBall::RotateDots(double a, double b, double c, int first, int last)
{
    const double cA = std::cos(a);
    const double sA = std::sin(a);
    const double cB = std::cos(b);
    const double sB = std::sin(b);
    const double cC = std::cos(c);
    const double sC = std::sin(c);
    for (int i = first; i <= last; ++i) {
        const CDot d = m_dots[i];
        m_dots[i] = {cC * cA * d.x + (-sC * cB - cC * sA * sB) * d.y + (sC * sB - cC * sA * cB) * d.z,
                     sC * cA * d.x + (cC * cB - sC * sA * sB) * d.y + (-cC * sB - sC * sA * cB) * d.z,
                     sA * d.x + cA * sB * d.y + cA * cB * d.z};
    }
}
