#pragma once
#include "render/EllipseFigure.h"
#include "render/Point.h"

// A wedge of the ellipse inscribed in a box, swept counter-clockwise on screen from the ray
// through the first radial point to the ray through the second (both rays from the ellipse's
// centre). A pixel belongs to it when its centre lies in the ellipse (boundary included) and in
// the closed wedge. Equal directions give the whole ellipse; a radial point at the centre counts
// as pointing east.
class CPieFigure : public CFigure {
public:
    CPieFigure(const CRect& box, CPoint first, CPoint second);

    void AppendSpans(int y, CSpanList& spans) const override;

private:
    // A half-plane through the centre, alpha X + beta Y <= 0 in doubled centre offsets, as the
    // run of pixels of row y that it keeps (lo..hi inclusive; lo > hi when none).
    struct CHalfPlane {
        std::int64_t alpha;
        std::int64_t beta;
    };
    void KeepRow(const CHalfPlane& plane, int y, std::int64_t& lo, std::int64_t& hi) const;

    enum class Sweep { Whole, Narrow, Wide }; // whole ellipse, at most a half turn, more
    CEllipseFigure m_ellipse;
    CHalfPlane m_afterFirst;   // counter-clockwise from the first ray, within a half turn
    CHalfPlane m_beforeSecond; // clockwise from the second ray, within a half turn
    Sweep m_sweep;
};
