#include "view/SolutionDrawing.h"

#include "edit/ViewGeometry.h"
#include "model/Level.h"
#include "render/RasterImage.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// The shot map's path colour: a solution reads like the paths into the cup there.
const QColor kPathColour(255, 150, 0);
// Magenta stands out on wall, grass, water and the cup alike.
const QColor kWallPathColour(255, 0, 200);
const QColor kNumberColour(0, 0, 0);

QPointF ToPixel(const CPathPoint& point, const CViewGeometry& geometry)
{
    const int cell = geometry.GetCellSize();
    return {point.x * cell + geometry.GetOrigin().x, point.y * cell + geometry.GetOrigin().y};
}

bool IsOnWall(const CLevel& level, const CPathPoint& point)
{
    // The query the ball makes after each step.
    const CMaterial* ground = level.FindMaterialAt(point.x, point.y);
    return ground && ground->IsWall();
}

QPen PathPen(bool onWall, int width)
{
    return QPen(onWall ? kWallPathColour : kPathColour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// The path as runs of one colour, each step coloured by where it ends: magenta on wall ground.
void DrawPath(QPainter& painter, const CLevel& level, const CPlayedShot& shot, const CViewGeometry& geometry, int width)
{
    const std::vector<CPathPoint>& path = shot.path;
    if (path.empty())
        return;
    QPolygonF run{ToPixel(path.front(), geometry)};
    bool runOnWall = false;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const bool onWall = shot.throughWall && IsOnWall(level, path[i]);
        if (onWall != runOnWall && run.size() > 1) {
            painter.setPen(PathPen(runOnWall, width));
            painter.drawPolyline(run);
            run = QPolygonF{run.back()};
        }
        runOnWall = onWall;
        run << ToPixel(path[i], geometry);
    }
    painter.setPen(PathPen(runOnWall, width));
    if (run.size() == 1)
        painter.drawPoint(run.front());
    else
        painter.drawPolyline(run);
}

void DrawNumber(QPainter& painter, const CPlayedShot& shot, int number, const CViewGeometry& geometry)
{
    if (shot.path.empty())
        return;
    const int cell = geometry.GetCellSize();
    const double size = std::max(12, cell / 2);
    // Behind the ball as it sets off, clear of the ball and of the path's start.
    const double away = cell * 0.45 + size * 0.6;
    const QPointF start = ToPixel(shot.path.front(), geometry);
    const QPointF centre(start.x() - std::cos(shot.shot.angle) * away, start.y() - std::sin(shot.shot.angle) * away);
    const QRectF disc(centre.x() - size / 2, centre.y() - size / 2, size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shot.throughWall ? kWallPathColour : kPathColour);
    painter.drawEllipse(disc);
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(size * 0.75));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kNumberColour);
    painter.drawText(disc, Qt::AlignCenter, QString::number(number));
}

} // namespace

QImage WrapRasterImage(CRasterImage& image)
{
    return QImage(reinterpret_cast<uchar*>(image.GetBits()), image.GetWidth(), image.GetHeight(),
                  image.GetBytesPerLine(), QImage::Format_RGB32);
}

int GetOverlayLineWidth(double pixelRatio)
{
    return std::max(1, static_cast<int>(std::lround(2.0 / std::max(pixelRatio, 1.0))));
}

void DrawSolution(CRasterImage& image, const CLevel& level, const std::vector<CPlayedShot>& shots,
                  const CViewGeometry& geometry, double pixelRatio)
{
    if (shots.empty() || image.IsEmpty())
        return;
    QImage target = WrapRasterImage(image);
    QPainter painter(&target);
    // Lines of whole pixels in the path's own colours, as the tests and the eye count them.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = GetOverlayLineWidth(pixelRatio);
    for (const CPlayedShot& shot : shots)
        DrawPath(painter, level, shot, geometry, width);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (std::size_t i = 0; i < shots.size(); ++i)
        DrawNumber(painter, shots[i], static_cast<int>(i) + 1, geometry);
}
