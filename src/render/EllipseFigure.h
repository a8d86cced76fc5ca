#pragma once
#include "render/Figure.h"
#include "render/Rect.h"

#include <cstdint>

// The ellipse inscribed in a rectangle of the pixel grid: a pixel belongs to it when its centre
// lies inside the ellipse or on its boundary. With the box (0, 0, s, s) this is exactly the
// disc of diameter s.
class CEllipseFigure : public CFigure {
public:
    // box must be normalised (left <= right, top <= bottom); an empty box gives no pixels.
    explicit CEllipseFigure(const CRect& box);

    void AppendSpans(int y, CSpanList& spans) const override;
    // The pixels x0..x1 - 1 of row y; false when the row holds none.
    bool GetRowSpan(int y, CSpan& span) const;

    // Doubled coordinates of the centre.
    std::int64_t GetCentreX2() const { return m_cx2; }
    std::int64_t GetCentreY2() const { return m_cy2; }

private:
    static constexpr std::int64_t kSmall = std::int64_t{1} << 15; // doubled radii of 64-bit rows

    std::int64_t m_cx2;
    std::int64_t m_cy2;
    std::int64_t m_a; // doubled radii: the box's width and height
    std::int64_t m_b;
};
