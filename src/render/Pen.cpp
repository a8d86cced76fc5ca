#include "render/Pen.h"

const CPen& CPen::Null()
{
    static const CPen pen(Style::Null, 0);
    return pen;
}

const CPen& CPen::Black()
{
    static const CPen pen(Style::Solid, MakeRgb(0, 0, 0));
    return pen;
}
