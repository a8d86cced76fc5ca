#pragma once
#include "render/Colour.h"

#include <array>
#include <memory>

// Hatch styles with their classic numbering; the materials use the first four.
enum HatchStyle : int {
    HatchHorizontal = 0,  // -----
    HatchVertical = 1,    // |||||
    HatchForwardDiagonal = 2,  // \\\\\ (falling to the right)
    HatchBackwardDiagonal = 3, // ///// (rising to the right)
};

// An 8 x 8 tile of colours, row by row from the top.
using Tile = std::array<Colour, 64>;

// A fill description for the raster device context: nothing, one colour, hatch lines of one
// colour over the context's background colour, or an 8 x 8 tile. Patterns are aligned to the
// device origin. Brushes are small values; a pattern brush shares its tile with its copies.
class CBrush {
public:
    enum class Style { Null, Solid, Hatched, Pattern };

    static CBrush MakeNull() { return CBrush(Style::Null, 0, 0); }
    static CBrush MakeSolid(Colour colour) { return CBrush(Style::Solid, colour, 0); }
    // A hatch style outside 0..3 is taken as horizontal.
    static CBrush MakeHatched(int hatch, Colour lineColour) { return CBrush(Style::Hatched, lineColour, hatch); }
    static CBrush MakePattern(const Tile& tile)
    {
        CBrush brush(Style::Pattern, 0, 0);
        brush.m_tile = std::make_shared<const Tile>(tile);
        return brush;
    }
    // The stock brushes: the null brush fills nothing, the black and white brushes are solid.
    static const CBrush& Null();
    static const CBrush& Black();
    static const CBrush& White();

    Style GetStyle() const { return m_style; }
    Colour GetColour() const { return m_colour; }
    int GetHatch() const { return m_hatch; }
    // The tile of a pattern brush; all zero for the other styles.
    const Tile& GetTile() const;

private:
    CBrush(Style style, Colour colour, int hatch) : m_style(style), m_colour(colour), m_hatch(hatch) {}

    Style m_style;
    Colour m_colour;
    int m_hatch;
    std::shared_ptr<const Tile> m_tile;
};
