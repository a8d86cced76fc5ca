#include "common/EditorWindow.h"

#include <QImage>
#include <QPixmap>

namespace {

using ViewScaling = EditorWindow;

// A left click at a pointer position as a scaled screen reports it: a whole device pixel divided
// by the scale, so not a whole view pixel.
void ClickAt(QWidget& view, QPointF position)
{
    SendMouse(&view, QEvent::MouseButtonPress, position, Qt::LeftButton);
    SendMouse(&view, QEvent::MouseButtonRelease, position, Qt::LeftButton);
}

} // namespace

// CTest runs this also under QT_SCALE_FACTOR=1.5 and 2, as on a 150 % and a 200 % desktop.
TEST_F(ViewScaling, ScalesLikeTheWindowUnblurredAndClicksLandOnTheCellsDrawn)
{
    SetViewSize(405, 450);
    const double scale = view.devicePixelRatioF();
    const QString asked = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    ASSERT_NEAR(scale, asked.toDouble(), 1e-3);

    // Laid out in the pixels of the window, which the menus and the toolbar use too.
    EXPECT_EQ(view.GetWindowImage().GetWidth(), 405);
    EXPECT_EQ(view.GetWindowImage().GetHeight(), 450);
    EXPECT_EQ(view.GetCellSize(), 40);

    // Every device pixel shows one pixel of the view's image, unblended: the pixel that a pointer
    // on that device pixel maps to.
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const CRasterImage& image = view.GetWindowImage();
    int checked = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const CPoint p = CViewGeometry::PointFromPointer(x / scale, y / scale, scale);
            if (p.x >= image.GetWidth() || p.y >= image.GetHeight())
                continue;
            ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFFu, image.GetPixel(p.x, p.y)) << x << "," << y;
            ++checked;
        }
    EXPECT_GE(checked, static_cast<int>(405 * 450 * scale * scale * 0.99));

    // Across the grid line between cells 0 and 1 of the first row: a click on a device column
    // left of the first one that shows the line paints cell 0, one on or right of it cell 1.
    const int row = static_cast<int>(70 * scale);
    int line = -1;
    for (int x = static_cast<int>(40 * scale); x < static_cast<int>(50 * scale) && line < 0; ++x)
        if ((shown.pixel(x, row) & 0xFFFFFFu) == 0)
            line = x;
    ASSERT_GE(line, 0);
    ClickAt(view, QPointF(400, 25)); // the wall of the material palette
    for (int x = line - 3; x <= line + 3; ++x) {
        Put(CLevel());
        ClickAt(view, QPointF(x / scale, row / scale));
        EXPECT_EQ(level.GetBlock(0, 0).IsEmpty(), x >= line) << x;
        EXPECT_EQ(level.GetBlock(1, 0).IsEmpty(), x < line) << x;
    }
}
