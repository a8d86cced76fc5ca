#include "view/ShotMapOverlay.h"

#include "model/Level.h"

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

void CShotMapOverlay::Draw(CDeviceContext& dc, int x0, int y0, int cell) const
{
    if (m_map)
        m_map->Draw(dc, x0, y0, cell);
}
