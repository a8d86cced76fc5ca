#pragma once
#include <algorithm>
#include <cstdint>

// A 24-bit colour stored as 0x00RRGGBB, the layout of a 32-bit RGB image pixel.
using Colour = std::uint32_t;

constexpr Colour MakeRgb(int r, int g, int b)
{
    return (static_cast<Colour>(r & 0xFF) << 16) | (static_cast<Colour>(g & 0xFF) << 8) |
           static_cast<Colour>(b & 0xFF);
}
constexpr int GetRed(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int GetGreen(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBlue(Colour c) { return static_cast<int>(c & 0xFF); }

// Adds a signed offset to each channel separately and clamps each channel to 0..255.
constexpr Colour AdjustColour(Colour c, int dr, int dg, int db)
{
    return MakeRgb(std::clamp(GetRed(c) + dr, 0, 255), std::clamp(GetGreen(c) + dg, 0, 255),
                   std::clamp(GetBlue(c) + db, 0, 255));
}
