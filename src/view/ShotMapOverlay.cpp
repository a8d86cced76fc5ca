#include "view/ShotMapOverlay.h"

#include "edit/ViewGeometry.h"
#include "model/Level.h"
#include "render/DeviceContext.h"
#include "view/SolutionDrawing.h"

#include <QPainter>

#include <algorithm>

namespace {

QColor ToQColor(Colour colour)
{
    return QColor(GetRed(colour), GetGreen(colour), GetBlue(colour));
}

// One row of a dot and its outcome for each kind of dot, on a dark box inside the level area's
// bottom-left corner (as much of it as the image holds).
void DrawLegend(CRasterImage& image, const CViewGeometry& geometry)
{
    const CRect area = geometry.GetLevelArea();
    const int left = std::max(area.left, 0) + 4;
    const int bottom = std::min(area.bottom, image.GetHeight()) - 4;
    const std::pair<int, QString> entries[] = {{ShotRest, CShotMapOverlay::tr("rest")},
                                               {ShotWater, CShotMapOverlay::tr("water")},
                                               {ShotCup, CShotMapOverlay::tr("cup")}};
    QImage target = WrapRasterImage(image);
    QPainter painter(&target);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int height = metrics.height() + 6;
    const int dot = 8;
    int width = 6;
    for (const auto& [result, label] : entries)
        width += dot + 4 + metrics.horizontalAdvance(label) + 10;
    const QRect box(left, bottom - height, width, height);
    painter.fillRect(box, QColor(0, 0, 0, 170));
    int x = box.left() + 6;
    for (const auto& [result, label] : entries) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(CShotMap::GetDotColour(result)));
        painter.drawEllipse(QRect(x, box.center().y() - dot / 2, dot, dot));
        x += dot + 4;
        painter.setPen(Qt::white);
        const int advance = metrics.horizontalAdvance(label);
        painter.drawText(QRect(x, box.top(), advance, height), Qt::AlignVCenter | Qt::AlignLeft, label);
        x += advance + 10;
    }
}

} // namespace

void CShotMapOverlay::Show(const CLevel& level, int headings)
{
    Clear();
    auto map = std::make_shared<CShotMap>();
    m_shown = StartWork(level, [map, headings](const CLevel& copy, const std::atomic<bool>& cancel) {
        map->Make(copy, headings, 0, &cancel);
    });
    if (m_shown)
        m_computing = map;
    emit Changed();
}

void CShotMapOverlay::Hide()
{
    if (m_shown)
        Drop();
}

void CShotMapOverlay::Clear()
{
    m_shown = false;
    m_computing.reset();
    m_map.reset();
}

void CShotMapOverlay::OnFinished()
{
    m_map = std::move(m_computing);
    emit Changed();
}

QString CShotMapOverlay::GetStatus() const
{
    if (IsRunning())
        return tr("Mapping every first shot");
    if (!m_map)
        return {};
    return tr("Shot map: %1 of %2 first shots end in the cup")
        .arg(m_map->GetCupShots().size())
        .arg(m_map->GetShots().size());
}

void CShotMapOverlay::Draw(CDeviceContext& dc, const CViewGeometry& geometry, double) const
{
    if (!m_map)
        return;
    const CPoint origin = geometry.GetOrigin();
    m_map->Draw(dc, origin.x, origin.y, geometry.GetCellSize());
    DrawLegend(dc.GetImage(), geometry);
}
