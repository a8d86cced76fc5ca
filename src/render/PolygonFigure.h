#pragma once
#include "render/Figure.h"
#include "render/Point.h"

#include <cstdint>
#include <vector>

// A closed polygon filled by the even-odd rule. A pixel belongs to it when its centre lies
// inside. A centre exactly on a slanted edge belongs to the polygon on that edge's lower side:
// it is in when the polygon lies below the edge there and out when it lies above. (Centres
// never fall on horizontal or vertical edges, whose coordinates are whole numbers.) So the
// diagonal pixels of the triangle (0, 0), (s, 0), (s, s) are out, those of (0, 0), (0, s),
// (s, s) are in, and two polygons sharing an edge never both paint a pixel of it.
class CPolygonFigure : public CFigure {
public:
    CPolygonFigure(const CPoint* points, int count);

    void AppendSpans(int y, CSpanList& spans) const override;

private:
    struct CEdge {
        std::int64_t x0, y0, x1, y1; // doubled, y0 < y1
        bool fallingRight;           // x grows with y: the polygon's side of the edge decides
    };
    struct CCrossing {
        std::int64_t num; // doubled x of the crossing is num / den
        std::int64_t den;
        bool fallingRight;
    };

    std::vector<CEdge> m_edges;
    mutable std::vector<CCrossing> m_crossings; // scratch space of AppendSpans
};
