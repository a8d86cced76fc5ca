#pragma once
#include "render/Figure.h"
#include "render/Rect.h"

// The pixels of a rectangle: left and top columns in, right and bottom out.
class CBoxFigure : public CFigure {
public:
    explicit CBoxFigure(const CRect& rect)
        : CFigure(rect.top, rect.IsEmpty() ? rect.top : rect.bottom), m_left(rect.left), m_right(rect.right)
    {
    }

    void AppendSpans(int y, CSpanList& spans) const override
    {
        if (y >= GetTop() && y < GetBottom())
            spans.push_back({m_left, m_right});
    }

private:
    int m_left;
    int m_right;
};
