#pragma once
#include "render/Colour.h"

// A pen of the raster device context: none at all, or solid and one pixel wide.
class CPen {
public:
    enum class Style { Null, Solid };

    static CPen MakeSolid(Colour colour) { return CPen(Style::Solid, colour); }
    // The stock pens: the null pen draws nothing, the black pen is solid RGB(0, 0, 0).
    static const CPen& Null();
    static const CPen& Black();

    Style GetStyle() const { return m_style; }
    Colour GetColour() const { return m_colour; }

private:
    CPen(Style style, Colour colour) : m_style(style), m_colour(colour) {}

    Style m_style;
    Colour m_colour;
};
