#include "render/Brush.h"

const CBrush& CBrush::Null()
{
    static const CBrush brush = MakeNull();
    return brush;
}

const CBrush& CBrush::Black()
{
    static const CBrush brush = MakeSolid(MakeRgb(0, 0, 0));
    return brush;
}

const CBrush& CBrush::White()
{
    static const CBrush brush = MakeSolid(MakeRgb(255, 255, 255));
    return brush;
}

const Tile& CBrush::GetTile() const
{
    static const Tile s_empty{};
    return m_tile ? *m_tile : s_empty;
}
