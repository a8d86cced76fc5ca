#pragma once
#include "render/Colour.h"

#include <array>

// Hatch styles with their classic numbering; the materials use the first four.
enum HatchStyle : int {
    HatchHorizontal = 0,  // -----
    HatchVertical = 1,    // |||||
    HatchForwardDiagonal = 2,  // \\\\\ (falling to the right)
    HatchBackwardDiagonal = 3, // ///// (rising to the right)
};

// A fill description for the raster device context: nothing, one colour, hatch lines of one
// colour over the context's background colour, or an 8 x 8 tile. Patterns are aligned to the
// device origin.
class CBrush {
public:
    enum class Style { Null, Solid, Hatched, Pattern };

    static CBrush MakeNull() { return CBrush(Style::Null, 0, 0); }
    static CBrush MakeSolid(Colour colour) { return CBrush(Style::Solid, colour, 0); }
    static CBrush MakeHatched(int hatch, Colour lineColour) { return CBrush(Style::Hatched, lineColour, hatch); }
    static CBrush MakePattern(const std::array<Colour, 64>& tile)
    {
        CBrush brush(Style::Pattern, 0, 0);
        brush.m_tile = tile;
        return brush;
    }

    Style GetStyle() const { return m_style; }
    Colour GetColour() const { return m_colour; }
    int GetHatch() const { return m_hatch; }
    const std::array<Colour, 64>& GetTile() const { return m_tile; }

private:
    CBrush(Style style, Colour colour, int hatch) : m_style(style), m_colour(colour), m_hatch(hatch) {}

    Style m_style;
    Colour m_colour;
    int m_hatch;
    std::array<Colour, 64> m_tile{};
};
