#include "render/DeviceContext.h"

#include "render/BoxFigure.h"
#include "render/EllipseFigure.h"
#include "render/ExactMath.h"
#include "render/PieFigure.h"
#include "render/PolygonFigure.h"
#include "render/SpanPainter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kCoordinateLimit = 1 << 24;

int ClampCoordinate(int value) { return std::clamp(value, -kCoordinateLimit, kCoordinateLimit); }

CPoint ClampPoint(CPoint point) { return {ClampCoordinate(point.x), ClampCoordinate(point.y)}; }

// The runs covered by both lists (each sorted, disjoint).
void Intersect(const CSpanList& a, const CSpanList& b, CSpanList& out)
{
    out.clear();
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const int x0 = std::max(a[i].x0, b[j].x0);
        const int x1 = std::min(a[i].x1, b[j].x1);
        if (x0 < x1)
            out.push_back({x0, x1});
        if (a[i].x1 < b[j].x1)
            ++i;
        else
            ++j;
    }
}

} // namespace

CDeviceContext::CDeviceContext(CRasterImage& image)
    : m_image(image), m_pen(&CPen::Black()), m_brush(&CBrush::White()), m_bkColour(MakeRgb(255, 255, 255))
{
}

const CPen* CDeviceContext::SelectPen(const CPen* pen)
{
    const CPen* previous = m_pen;
    m_pen = pen ? pen : &CPen::Null();
    return previous;
}

const CBrush* CDeviceContext::SelectBrush(const CBrush* brush)
{
    const CBrush* previous = m_brush;
    m_brush = brush ? brush : &CBrush::Null();
    return previous;
}

Colour CDeviceContext::SetBkColour(Colour colour)
{
    const Colour previous = m_bkColour;
    m_bkColour = colour & 0xFFFFFFu;
    return previous;
}

void CDeviceContext::FillRect(const CRect& rect, const CBrush& brush)
{
    const int x0 = std::max(rect.left, 0);
    const int x1 = std::min(rect.right, m_image.GetWidth());
    const int y0 = std::max(rect.top, 0);
    const int y1 = std::min(rect.bottom, m_image.GetHeight());
    if (x0 >= x1 || y0 >= y1)
        return;
    const CSpanPainter painter(brush, m_bkColour);
    for (int y = y0; y < y1; ++y)
        painter.Fill(m_image.Row(y), y, x0, x1);
}

CRect CDeviceContext::FigureBox(int left, int top, int right, int bottom) const
{
    CRect box{ClampCoordinate(std::min(left, right)), ClampCoordinate(std::min(top, bottom)),
              ClampCoordinate(std::max(left, right)), ClampCoordinate(std::max(top, bottom))};
    if (m_pen->GetStyle() == CPen::Style::Null && !box.IsEmpty()) {
        --box.right;
        --box.bottom;
    }
    return box;
}

namespace {

enum FigureKind : int { KindBox = 1, KindEllipse, KindPie, KindPolygon };

// Polygons with more vertices than this are never recorded.
constexpr int kMaxRecordedVertices = 4;

} // namespace

template <class MakeFigure>
void CDeviceContext::PaintCached(const CFigureCache::CKey& key, CPoint corner, int rows, MakeFigure make)
{
    if (rows > CFigureCache::kMaxRows) {
        PaintFigure(make(0, 0), 0, 0);
        return;
    }
    const CFigure* figure = m_figures.Find(key);
    if (!figure)
        figure = &m_figures.Record(key, make(corner.x, corner.y));
    PaintFigure(*figure, corner.x, corner.y);
}

void CDeviceContext::Rectangle(int left, int top, int right, int bottom)
{
    const CRect box = FigureBox(left, top, right, bottom);
    PaintCached({KindBox, box.Width(), box.Height()}, {box.left, box.top}, box.Height(), [&](int dx, int dy) {
        return CBoxFigure({box.left - dx, box.top - dy, box.right - dx, box.bottom - dy});
    });
}

void CDeviceContext::Ellipse(int left, int top, int right, int bottom)
{
    const CRect box = FigureBox(left, top, right, bottom);
    PaintCached({KindEllipse, box.Width(), box.Height()}, {box.left, box.top}, box.Height(), [&](int dx, int dy) {
        return CEllipseFigure({box.left - dx, box.top - dy, box.right - dx, box.bottom - dy});
    });
}

void CDeviceContext::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const CRect box = FigureBox(left, top, right, bottom);
    const CPoint first = ClampPoint({x1, y1});
    const CPoint second = ClampPoint({x2, y2});
    const CFigureCache::CKey key{KindPie,           box.Width(),        box.Height(),
                                 first.x - box.left, first.y - box.top, second.x - box.left,
                                 second.y - box.top};
    PaintCached(key, {box.left, box.top}, box.Height(), [&](int dx, int dy) {
        return CPieFigure({box.left - dx, box.top - dy, box.right - dx, box.bottom - dy},
                          {first.x - dx, first.y - dy}, {second.x - dx, second.y - dy});
    });
}

void CDeviceContext::Polygon(const CPoint* points, int count)
{
    if (!points || count < 3)
        return;
    std::vector<CPoint> clamped(points, points + count);
    CRect bounds{kCoordinateLimit, kCoordinateLimit, -kCoordinateLimit, -kCoordinateLimit};
    for (CPoint& point : clamped) {
        point = ClampPoint(point);
        bounds = {std::min(bounds.left, point.x), std::min(bounds.top, point.y), std::max(bounds.right, point.x),
                  std::max(bounds.bottom, point.y)};
    }
    auto make = [&](int dx, int dy) {
        std::vector<CPoint> moved(clamped);
        for (CPoint& point : moved)
            point = {point.x - dx, point.y - dy};
        return CPolygonFigure(moved.data(), count);
    };
    if (count > kMaxRecordedVertices) {
        PaintFigure(make(0, 0), 0, 0);
        return;
    }
    CFigureCache::CKey key{KindPolygon, count};
    for (int i = 0; i < count; ++i) {
        key[2 + 2 * i] = clamped[i].x - bounds.left;
        key[3 + 2 * i] = clamped[i].y - bounds.top;
    }
    PaintCached(key, {bounds.left, bounds.top}, bounds.Height(), make);
}

void CDeviceContext::PaintFigure(const CFigure& figure, int dx, int dy)
{
    const int y0 = std::max(figure.GetTop() + dy, 0);
    const int y1 = std::min(figure.GetBottom() + dy, m_image.GetHeight());
    const int width = m_image.GetWidth();
    const CSpanPainter painter(*m_brush, m_bkColour);
    if (!painter.IsNull()) {
        for (int y = y0; y < y1; ++y) {
            for (const CSpan& span : figure.GetRowSpans(y - dy, m_spans)) {
                const int x0 = std::max(span.x0 + dx, 0);
                const int x1 = std::min(span.x1 + dx, width);
                if (x0 < x1)
                    painter.Fill(m_image.Row(y), y, x0, x1);
            }
        }
    }
    if (m_pen->GetStyle() == CPen::Style::Solid)
        PaintOutline(figure, dx, dy, m_pen->GetColour());
}

void CDeviceContext::PaintOutline(const CFigure& figure, int dx, int dy, Colour colour)
{
    const int y0 = std::max(figure.GetTop() + dy, 0);
    const int y1 = std::min(figure.GetBottom() + dy, m_image.GetHeight());
    const std::uint32_t pixel = CRasterImage::kOpaque | colour;
    CSpanList interior;
    for (int y = y0; y < y1; ++y) {
        std::uint32_t* row = m_image.Row(y);
        auto paint = [&](int x0, int x1) {
            x0 = std::max(x0 + dx, 0);
            x1 = std::min(x1 + dx, m_image.GetWidth());
            if (x0 < x1)
                std::fill(row + x0, row + x1, pixel);
        };
        m_spans.clear();
        m_above.clear();
        m_below.clear();
        figure.AppendSpans(y - dy, m_spans);
        figure.AppendSpans(y - dy - 1, m_above);
        figure.AppendSpans(y - dy + 1, m_below);
        // A pixel is inside the outline when the rows above and below cover it too.
        Intersect(m_above, m_below, interior);
        for (const CSpan& span : m_spans) {
            paint(span.x0, span.x0 + 1);
            paint(span.x1 - 1, span.x1);
            int x = span.x0;
            for (const CSpan& inner : interior) {
                if (inner.x1 <= x)
                    continue;
                if (inner.x0 >= span.x1)
                    break;
                paint(x, std::min(inner.x0, span.x1));
                x = inner.x1;
            }
            paint(x, span.x1);
        }
    }
}

void CDeviceContext::MoveTo(int x, int y) { m_position = {x, y}; }

void CDeviceContext::LineTo(int x, int y)
{
    if (m_pen->GetStyle() == CPen::Style::Solid)
        PaintLinePixels(m_position, {x, y}, m_pen->GetColour());
    m_position = {x, y};
}

void CDeviceContext::PaintLinePixels(CPoint from, CPoint to, Colour colour)
{
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0)
        return;
    const std::int64_t major0 = xMajor ? from.x : from.y;
    const std::int64_t minor0 = xMajor ? from.y : from.x;
    const std::int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t majorSize = xMajor ? m_image.GetWidth() : m_image.GetHeight();
    const std::int64_t minorSize = xMajor ? m_image.GetHeight() : m_image.GetWidth();
    // Only the steps whose major coordinate lies in the image: major0 + majorStep t in [0, size).
    std::int64_t t0 = majorStep > 0 ? -major0 : major0 - majorSize + 1;
    std::int64_t t1 = majorStep > 0 ? majorSize - major0 : major0 + 1;
    t0 = std::max<std::int64_t>(t0, 0);
    t1 = std::min(t1, steps);
    const std::uint32_t pixel = CRasterImage::kOpaque | colour;
    if (minorDelta == 0 && t0 < t1) {
        if (minor0 < 0 || minor0 >= minorSize)
            return;
        const std::int64_t a = major0 + majorStep * t0;
        const std::int64_t b = major0 + majorStep * (t1 - 1);
        const int lo = static_cast<int>(std::min(a, b));
        const int hi = static_cast<int>(std::max(a, b)) + 1;
        if (xMajor)
            std::fill(m_image.Row(static_cast<int>(minor0)) + lo, m_image.Row(static_cast<int>(minor0)) + hi, pixel);
        else
            for (int v = lo; v < hi; ++v)
                m_image.Row(v)[minor0] = pixel;
        return;
    }
    for (std::int64_t t = t0; t < t1; ++t) {
        // Nearest minor coordinate, halves upward: floor((2 t delta + steps) / (2 steps)).
        const Int128 num = Int128(2) * t * minorDelta + steps;
        Int128 q = num / (2 * steps);
        if (num % (2 * steps) != 0 && num < 0)
            --q;
        const std::int64_t minor = minor0 + static_cast<std::int64_t>(q);
        if (minor < 0 || minor >= minorSize)
            continue;
        const std::int64_t major = major0 + majorStep * t;
        const int px = static_cast<int>(xMajor ? major : minor);
        const int py = static_cast<int>(xMajor ? minor : major);
        m_image.Row(py)[px] = pixel;
    }
}

void CDeviceContext::BitBlt(int x, int y, int width, int height, const CRasterImage& source, int sourceX,
                            int sourceY)
{
    // Clip against the source, then the destination, moving both origins together.
    std::int64_t dx = x, dy = y, sx = sourceX, sy = sourceY, w = width, h = height;
    auto clipLow = [](std::int64_t& a, std::int64_t& b, std::int64_t& size) {
        if (a < 0) {
            size += a;
            b -= a;
            a = 0;
        }
    };
    clipLow(sx, dx, w);
    clipLow(sy, dy, h);
    clipLow(dx, sx, w);
    clipLow(dy, sy, h);
    w = std::min({w, source.GetWidth() - sx, m_image.GetWidth() - dx});
    h = std::min({h, source.GetHeight() - sy, m_image.GetHeight() - dy});
    if (w <= 0 || h <= 0)
        return;
    for (std::int64_t row = 0; row < h; ++row)
        std::memmove(m_image.Row(static_cast<int>(dy + row)) + dx, source.Row(static_cast<int>(sy + row)) + sx,
                    static_cast<std::size_t>(w) * sizeof(std::uint32_t));
}
