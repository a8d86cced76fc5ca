#include "sim/Ball.h"

#include "render/Brush.h"
#include "render/DeviceContext.h"
#include "render/Pen.h"
#include "sim/PortableMath.h"

#include <numbers>

namespace {

// The double nearest pi, the value acos(-1) gives.
constexpr double s_pi = std::numbers::pi;

int Trunc(double value) { return static_cast<int>(value); }

} // namespace

CRect CBall::GetRect() const
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
    const double cA = PortableCos(a);
    const double sA = PortableSin(a);
    const double cB = PortableCos(b);
    const double sB = PortableSin(b);
    const double cC = PortableCos(c);
    const double sC = PortableSin(c);
    for (int i = first; i <= last; ++i) {
        const CDot d = m_dots[i];
        m_dots[i] = {cC * cA * d.x + (-sC * cB - cC * sA * sB) * d.y + (sC * sB - cC * sA * cB) * d.z,
                     sC * cA * d.x + (cC * cB - sC * sA * sB) * d.y + (-cC * sB - sC * sA * cB) * d.z,
                     sA * d.x + cA * sB * d.y + cA * cB * d.z};
    }
}

void CBall::Draw(CDeviceContext& dc, bool dimmed)
{
    if (m_inCup && !m_moving)
        return; // sunk out of sight
    const Colour colour = dimmed ? AdjustColour(m_colour, -90, -90, -90) : m_colour;
    const double r = m_radius;
    const double x = m_x;
    const double y = m_y;
    // The ball's square at 1.5 pixels' offset is the shadow, at 0.5 the body: the shadow shows
    // one pixel to the right and below.
    auto ellipse = [&](double offset) {
        dc.Ellipse(Trunc((x - r) * m_cellSize + m_originX + offset), Trunc((y - r) * m_cellSize + m_originY + offset),
                   Trunc((x + r) * m_cellSize + m_originX + offset) + 1,
                   Trunc((y + r) * m_cellSize + m_originY + offset) + 1);
    };
    const CPen* oldPen = dc.SelectPen(&CPen::Null());
    const CBrush* oldBrush = dc.SelectBrush(&CBrush::Black());
    ellipse(1.5);
    const CBrush body = CBrush::MakeSolid(colour);
    dc.SelectBrush(&body);
    ellipse(0.5);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
    if (m_inCup)
        return;
    // Turn the dots by the roll since the last drawing and show the half facing the viewer.
    RotateDots(m_rollX.exchange(0.0), m_rollY.exchange(0.0), 0.0, 0, static_cast<int>(m_dots.size()) - 1);
    const Colour dotColour = AdjustColour(colour, -90, -90, -90);
    for (const CDot& dot : m_dots) {
        if (dot.z > 0)
            dc.SetPixel(Trunc((x + dot.x) * m_cellSize + m_originX), Trunc((y + dot.y) * m_cellSize + m_originY),
                        dotColour);
    }
}
