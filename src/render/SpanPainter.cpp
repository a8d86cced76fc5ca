#include "render/SpanPainter.h"

#include "render/RasterImage.h"

#include <algorithm>
#include <cstring>

CSpanPainter::CSpanPainter(const CBrush& brush, Colour background)
{
    switch (brush.GetStyle()) {
    case CBrush::Style::Null:
        return;
    case CBrush::Style::Solid:
        m_mode = Mode::Solid;
        m_solid = CRasterImage::kOpaque | brush.GetColour();
        return;
    case CBrush::Style::Hatched: {
        m_mode = Mode::Periodic;
        const auto masks = GetHatchMasks(brush.GetHatch());
        const std::uint32_t line = CRasterImage::kOpaque | brush.GetColour();
        const std::uint32_t gap = CRasterImage::kOpaque | background;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                m_rows[y * 16 + x] = (masks[y] >> (7 - x % 8)) & 1 ? line : gap;
        return;
    }
    case CBrush::Style::Pattern: {
        m_mode = Mode::Periodic;
        const Tile& tile = brush.GetTile();
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                m_rows[y * 16 + x] = CRasterImage::kOpaque | tile[y * 8 + x % 8];
        return;
    }
    }
}

std::array<std::uint8_t, 8> CSpanPainter::GetHatchMasks(int hatch)
{
    switch (hatch) {
    case HatchVertical:
        return {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
    case HatchForwardDiagonal:
        return {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
    case HatchBackwardDiagonal:
        return {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
    default:
        return {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00};
    }
}

void CSpanPainter::Fill(std::uint32_t* row, int y, int x0, int x1) const
{
    if (m_mode == Mode::Solid) {
        std::fill(row + x0, row + x1, m_solid);
        return;
    }
    if (m_mode == Mode::Null)
        return;
    // Stepping by 8 keeps the phase, so every chunk copies the same 8 pattern pixels.
    const std::uint32_t* source = m_rows.data() + (y & 7) * 16 + (x0 & 7);
    int x = x0;
    for (; x + 8 <= x1; x += 8)
        std::memcpy(row + x, source, 8 * sizeof(std::uint32_t));
    for (int i = 0; x < x1; ++x, ++i)
        row[x] = source[i];
}
