#pragma once
#include <span>
#include <vector>

// A run of pixels of one row: x0 inside, x1 outside.
struct CSpan {
    int x0 = 0;
    int x1 = 0;
    bool operator==(const CSpan&) const = default;
};

using CSpanList = std::vector<CSpan>;

// A filled figure described row by row, as the device context paints it. Pixel (x, y) belongs
// to the figure when its centre (x + 0.5, y + 0.5) does, by the rules of each figure.
class CFigure {
public:
    virtual ~CFigure() = default;

    // Rows top..bottom - 1 hold every pixel of the figure.
    int GetTop() const { return m_top; }
    int GetBottom() const { return m_bottom; }
    // Appends the spans of row y from left to right; they neither overlap nor touch.
    virtual void AppendSpans(int y, CSpanList& spans) const = 0;
    // The spans of row y, built in scratch unless the figure holds them already.
    virtual std::span<const CSpan> GetRowSpans(int y, CSpanList& scratch) const
    {
        scratch.clear();
        AppendSpans(y, scratch);
        return scratch;
    }

protected:
    CFigure(int top, int bottom) : m_top(top), m_bottom(bottom) {}

private:
    int m_top;
    int m_bottom;
};
