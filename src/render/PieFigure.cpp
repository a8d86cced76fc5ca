#include "render/PieFigure.h"

#include "render/ExactMath.h"

#include <algorithm>
#include <limits>

CPieFigure::CPieFigure(const CRect& box, CPoint first, CPoint second)
    : CFigure(box.top, box.IsEmpty() ? box.top : box.bottom), m_ellipse(box)
{
    auto direction = [&](CPoint p, std::int64_t& dx, std::int64_t& dy) {
        dx = 2 * std::int64_t{p.x} - m_ellipse.GetCentreX2();
        dy = 2 * std::int64_t{p.y} - m_ellipse.GetCentreY2();
        if (dx == 0 && dy == 0)
            dx = 1;
    };
    std::int64_t d1x, d1y, d2x, d2y;
    direction(first, d1x, d1y);
    direction(second, d2x, d2y);
    // With y downward, cross(d, p) = dx py - dy px is negative when p lies counter-clockwise
    // on screen from d (within a half turn).
    m_afterFirst = {-d1y, d1x};   // cross(d1, p) <= 0
    m_beforeSecond = {d2y, -d2x}; // cross(p, d2) <= 0
    const Int128 turn = Int128(d1x) * d2y - Int128(d1y) * d2x;
    const Int128 dot = Int128(d1x) * d2x + Int128(d1y) * d2y;
    if (turn == 0 && dot > 0)
        m_sweep = Sweep::Whole;
    else if (turn <= 0)
        m_sweep = Sweep::Narrow;
    else
        m_sweep = Sweep::Wide;
}

void CPieFigure::KeepRow(const CHalfPlane& plane, int y, std::int64_t& lo, std::int64_t& hi) const
{
    // alpha X + beta Y <= 0 with X = 2x + 1 - cx2: 2 alpha x <= rhs.
    const std::int64_t dy = 2 * std::int64_t{y} + 1 - m_ellipse.GetCentreY2();
    const std::int64_t rhs = -plane.beta * dy - plane.alpha * (1 - m_ellipse.GetCentreX2());
    lo = std::numeric_limits<std::int64_t>::min();
    hi = std::numeric_limits<std::int64_t>::max();
    if (plane.alpha > 0)
        hi = FloorDiv(rhs, 2 * plane.alpha);
    else if (plane.alpha < 0)
        lo = CeilDiv(rhs, 2 * plane.alpha);
    else if (rhs < 0) { // 0 <= rhs fails for every x
        lo = 1;
        hi = 0;
    }
}

void CPieFigure::AppendSpans(int y, CSpanList& spans) const
{
    CSpan row;
    if (!m_ellipse.GetRowSpan(y, row))
        return;
    if (m_sweep == Sweep::Whole) {
        spans.push_back(row);
        return;
    }
    std::int64_t lo1, hi1, lo2, hi2;
    KeepRow(m_afterFirst, y, lo1, hi1);
    KeepRow(m_beforeSecond, y, lo2, hi2);
    auto clipped = [&](std::int64_t lo, std::int64_t hi) {
        return CSpan{static_cast<int>(std::max<std::int64_t>(lo, row.x0)),
                     static_cast<int>(std::min<std::int64_t>(hi, row.x1 - 1) + 1)};
    };
    if (m_sweep == Sweep::Narrow) {
        const CSpan both = clipped(std::max(lo1, lo2), std::min(hi1, hi2));
        if (both.x0 < both.x1)
            spans.push_back(both);
        return;
    }
    // Wide: the union of the two runs, in order, merged when they overlap or touch.
    CSpan a = clipped(lo1, hi1);
    CSpan b = clipped(lo2, hi2);
    if (a.x0 >= a.x1)
        a = b;
    else if (b.x0 < b.x1) {
        if (b.x0 < a.x0)
            std::swap(a, b);
        if (b.x0 <= a.x1) {
            a.x1 = std::max(a.x1, b.x1);
        } else {
            spans.push_back(a);
            a = b;
        }
    }
    if (a.x0 < a.x1)
        spans.push_back(a);
}
