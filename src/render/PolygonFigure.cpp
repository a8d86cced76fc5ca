#include "render/PolygonFigure.h"

#include "render/ExactMath.h"

#include <algorithm>
#include <limits>

namespace {

std::pair<int, int> RowRange(const CPoint* points, int count)
{
    if (count < 3)
        return {0, 0};
    int top = std::numeric_limits<int>::max();
    int bottom = std::numeric_limits<int>::min();
    for (int i = 0; i < count; ++i) {
        top = std::min(top, points[i].y);
        bottom = std::max(bottom, points[i].y);
    }
    return {top, bottom};
}

} // namespace

CPolygonFigure::CPolygonFigure(const CPoint* points, int count)
    : CFigure(RowRange(points, count).first, RowRange(points, count).second)
{
    if (count < 3)
        return;
    for (int i = 0; i < count; ++i) {
        const CPoint a = points[i];
        const CPoint b = points[(i + 1) % count];
        if (a.y == b.y)
            continue; // a horizontal edge never crosses a row of pixel centres
        const CPoint& upper = a.y < b.y ? a : b;
        const CPoint& lower = a.y < b.y ? b : a;
        m_edges.push_back({2 * std::int64_t{upper.x}, 2 * std::int64_t{upper.y}, 2 * std::int64_t{lower.x},
                           2 * std::int64_t{lower.y}, lower.x > upper.x});
    }
}

void CPolygonFigure::AppendSpans(int y, CSpanList& spans) const
{
    const std::int64_t yc = 2 * std::int64_t{y} + 1;
    m_crossings.clear();
    for (const CEdge& e : m_edges) {
        if (yc <= e.y0 || yc >= e.y1)
            continue;
        const std::int64_t den = e.y1 - e.y0;
        m_crossings.push_back({e.x0 * den + (yc - e.y0) * (e.x1 - e.x0), den, e.fallingRight});
    }
    std::sort(m_crossings.begin(), m_crossings.end(), [](const CCrossing& a, const CCrossing& b) {
        return Int128(a.num) * b.den < Int128(b.num) * a.den;
    });
    // Pixel x has its centre 2x + 1 right of the crossing when 2x + 1 > num / den, that is
    // x > q / (2 den) with q = num - den; on the crossing when q is a multiple of 2 den.
    // Left of a span the polygon lies right of the edge, which is below it for an edge rising to
    // the right; right of a span the polygon lies left of the edge, below it when falling right.
    const std::size_t firstOfRow = spans.size();
    for (std::size_t i = 0; i + 1 < m_crossings.size(); i += 2) {
        const CCrossing& left = m_crossings[i];
        const CCrossing& right = m_crossings[i + 1];
        const std::int64_t ql = left.num - left.den;
        std::int64_t x0 = FloorDiv(ql, 2 * left.den) + 1;
        if (!left.fallingRight && ql % (2 * left.den) == 0)
            --x0;
        const std::int64_t qr = right.num - right.den;
        std::int64_t x1 = CeilDiv(qr, 2 * right.den);
        if (right.fallingRight && qr % (2 * right.den) == 0)
            ++x1;
        if (x0 >= x1)
            continue;
        if (spans.size() > firstOfRow && spans.back().x1 >= x0)
            spans.back().x1 = std::max<int>(spans.back().x1, static_cast<int>(x1));
        else
            spans.push_back({static_cast<int>(x0), static_cast<int>(x1)});
    }
}
