#pragma once
#include "render/Brush.h"

#include <array>
#include <cstdint>

// Paints runs of pixels with one brush: a solid colour, hatch lines on the background colour,
// or an 8 x 8 tile; hatches and tiles repeat every 8 pixels from the image's origin.
class CSpanPainter {
public:
    CSpanPainter(const CBrush& brush, Colour background);

    bool IsNull() const { return m_mode == Mode::Null; }
    // Paints pixels x0..x1 - 1 of row y; row points at the row's first pixel, 0 <= x0 < x1.
    void Fill(std::uint32_t* row, int y, int x0, int x1) const;

    // The hatch of a style as eight row masks from the top, bit 7 being the leftmost pixel.
    static std::array<std::uint8_t, 8> GetHatchMasks(int hatch);

private:
    enum class Mode { Null, Solid, Hatched, Pattern };

    Mode m_mode = Mode::Null;
    std::uint32_t m_solid = 0; // the solid colour, or the hatch's line colour
    std::uint32_t m_gap = 0;   // the background between hatch lines
    std::array<std::uint8_t, 8> m_masks{};
    const Tile* m_tile = nullptr; // the pattern brush's tile, which outlives the painter
};
