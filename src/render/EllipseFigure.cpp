#include "render/EllipseFigure.h"

#include "render/ExactMath.h"

#include <algorithm>
#include <cmath>

CEllipseFigure::CEllipseFigure(const CRect& box)
    : CFigure(box.top, box.IsEmpty() ? box.top : box.bottom), m_cx2(std::int64_t{box.left} + box.right),
      m_cy2(std::int64_t{box.top} + box.bottom), m_a(box.Width()), m_b(box.Height())
{
}

void CEllipseFigure::AppendSpans(int y, CSpanList& spans) const
{
    CSpan span;
    if (GetRowSpan(y, span))
        spans.push_back(span);
}

bool CEllipseFigure::GetRowSpan(int y, CSpan& span) const
{
    if (y < GetTop() || y >= GetBottom())
        return false;
    // Centre offsets X = 2x + 1 - cx2 and Y = 2y + 1 - cy2 in doubled units; the pixel is in when
    // X^2 b^2 + Y^2 a^2 <= a^2 b^2. Find the largest |X| that passes, from a floating estimate
    // corrected by the exact test.
    const std::int64_t dy = 2 * std::int64_t{y} + 1 - m_cy2;
    const double ratio = static_cast<double>(dy) / static_cast<double>(m_b);
    std::int64_t dx = static_cast<std::int64_t>(static_cast<double>(m_a) * std::sqrt(std::max(0.0, 1.0 - ratio * ratio)));
    if (m_a <= kSmall && m_b <= kSmall) {
        // Every product stays below 2^62: plain 64-bit arithmetic.
        const std::int64_t b2 = m_b * m_b;
        const std::int64_t limit = m_a * m_a * (b2 - dy * dy);
        if (limit < 0)
            return false;
        while (dx > 0 && dx * dx * b2 > limit)
            --dx;
        while ((dx + 1) * (dx + 1) * b2 <= limit)
            ++dx;
    } else {
        const Int128 b2 = Int128(m_b) * m_b;
        const Int128 limit = Int128(m_a) * m_a * (b2 - Int128(dy) * dy);
        if (limit < 0)
            return false;
        while (dx > 0 && Int128(dx) * dx * b2 > limit)
            --dx;
        while (Int128(dx + 1) * (dx + 1) * b2 <= limit)
            ++dx;
    }
    const std::int64_t first = CeilDiv(m_cx2 - 1 - dx, 2);
    const std::int64_t last = FloorDiv(m_cx2 - 1 + dx, 2);
    if (first > last)
        return false;
    span = {static_cast<int>(first), static_cast<int>(last + 1)};
    return true;
}
