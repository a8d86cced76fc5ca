#pragma once
#include "render/Brush.h"

#include <array>
#include <cstdint>

// Paints runs of pixels with one brush: a solid colour, or a pattern of period 8 each way taken
// from the brush's hatch (line colour on the background colour) or tile, aligned to the
// image's origin.
class CSpanPainter {
public:
    CSpanPainter(const CBrush& brush, Colour background);

    bool IsNull() const { return m_mode == Mode::Null; }
    // Paints pixels x0..x1 - 1 of row y; row points at the row's first pixel, 0 <= x0 < x1.
    void Fill(std::uint32_t* row, int y, int x0, int x1) const;

    // The hatch of a style as eight row masks from the top, bit 7 being the leftmost pixel.
    static std::array<std::uint8_t, 8> GetHatchMasks(int hatch);

private:
    enum class Mode { Null, Solid, Periodic };

    Mode m_mode = Mode::Null;
    std::uint32_t m_solid = 0;
    // Each pattern row twice over, so that any 8 consecutive pixels can be copied at once.
    std::array<std::uint32_t, 8 * 16> m_rows{};
};
