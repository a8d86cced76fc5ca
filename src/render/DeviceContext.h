#pragma once
#include "render/Brush.h"
#include "render/Figure.h"
#include "render/FigureCache.h"
#include "render/Pen.h"
#include "render/RasterImage.h"
#include "render/Rect.h"

// A device context that draws into a CRasterImage with the pixel rules of the classic Windows
// drawing calls. Pixel (x, y) is the unit square [x, x + 1) x [y, y + 1); its centre is
// (x + 0.5, y + 0.5). Everything is clipped to the image; figure coordinates are first clamped
// to +-2^24 pixels.
//
// - FillRect (l, t, r, b): pixels l..r - 1 by t..b - 1; nothing when r <= l or b <= t.
// - Ellipse, Pie, Polygon, Rectangle take their rectangles normalised. With the null pen the
//   figure is the ellipse, wedge or box of (l, t, r - 1, b - 1): the bounding rectangle less
//   its right column and bottom row. A pixel is painted when its centre lies in the figure;
//   centres on the ellipse and on the radial lines of a pie are in. So Ellipse (0, 0, s + 1,
//   s + 1) paints exactly the pixels whose centres lie in the disc of diameter s at (s/2, s/2).
// - Polygon: even-odd filling of the vertices as given. Centres never fall on horizontal or
//   vertical edges; a centre on a slanted edge is in when the polygon lies below that edge.
// - With a solid pen a figure takes its whole rectangle (l, t, r, b) instead, is filled with
//   the brush and its boundary pixels (painted pixels with a 4-neighbour outside the figure)
//   take the pen's colour: Rectangle (l, t, r, b) outlines l..r - 1 by t..b - 1.
// - LineTo draws from the current position up to, not including, the end point: one pixel per
//   step along the longer axis, the other coordinate rounded to nearest (halves upward).
// - Hatched and pattern brushes repeat every 8 pixels from the image's origin; hatch gaps show
//   the background colour (opaque background).
class CDeviceContext {
public:
    explicit CDeviceContext(CRasterImage& image);

    CRasterImage& GetImage() { return m_image; }

    // Selection keeps a pointer: the pen or brush must outlive its selection. Each returns the
    // object selected before, for restoring it.
    const CPen* SelectPen(const CPen* pen);
    const CBrush* SelectBrush(const CBrush* brush);
    const CPen& GetPen() const { return *m_pen; }
    const CBrush& GetBrush() const { return *m_brush; }
    Colour SetBkColour(Colour colour);
    Colour GetBkColour() const { return m_bkColour; }
    CPoint GetCurrentPosition() const { return m_position; }

    void FillRect(const CRect& rect, const CBrush& brush);
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void Polygon(const CPoint* points, int count);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void SetPixel(int x, int y, Colour colour) { m_image.SetPixel(x, y, colour); }
    // Copies width x height pixels of source from (sourceX, sourceY) to (x, y).
    void BitBlt(int x, int y, int width, int height, const CRasterImage& source, int sourceX, int sourceY);

private:
    // The rectangle the figure uses with the current pen (see above), normalised and clamped.
    CRect FigureBox(int left, int top, int right, int bottom) const;
    // Paints the figure that make (dx, dy) builds with every coordinate less (dx, dy), whose
    // corner is at 'corner': from the cache when it is small enough, else built in place.
    template <class MakeFigure>
    void PaintCached(const CFigureCache::CKey& key, CPoint corner, int rows, MakeFigure make);
    // Paints the figure moved by (dx, dy): with the brush, then the outline of a solid pen.
    void PaintFigure(const CFigure& figure, int dx, int dy);
    void PaintOutline(const CFigure& figure, int dx, int dy, Colour colour);
    void PaintLinePixels(CPoint from, CPoint to, Colour colour);

    CRasterImage& m_image;
    const CPen* m_pen;
    const CBrush* m_brush;
    Colour m_bkColour;
    CPoint m_position;
    CFigureCache m_figures;
    CSpanList m_spans; // scratch rows of the figure being painted
    CSpanList m_above;
    CSpanList m_below;
};
