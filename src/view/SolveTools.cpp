#include "view/SolveTools.h"

#include "view/EditorView.h"

#include <QStringList>

CSolveTools::CSolveTools(CEditorView& view) : m_view(view), m_player(view.GetTestMode(), view.GetSession())
{
    connect(&m_parSearch, &CParSearch::Changed, this, &CSolveTools::OnChanged);
    connect(&m_shotMap, &CShotMapOverlay::Changed, this, &CSolveTools::OnChanged);
    connect(&m_player, &CSolutionPlayer::Changed, &m_view, &CEditorView::StateChanged);
}

void CSolveTools::OnFindPar()
{
    m_parSearch.Start(m_view.GetSession().GetLevel(), m_options);
}

void CSolveTools::OnPlaySolution()
{
    if (CanPlaySolution())
        m_player.Play(m_parSearch.GetSolution());
}

void CSolveTools::OnShotMap()
{
    if (m_shotMap.IsShown())
        m_shotMap.Hide();
    else
        m_shotMap.Show(m_view.GetSession().GetLevel(), m_options.headings);
}

void CSolveTools::OnStopSearch()
{
    m_parSearch.Stop();
    if (m_shotMap.IsRunning())
        m_shotMap.Hide();
}

void CSolveTools::StopAll()
{
    m_player.Stop();
    m_parSearch.Stop();
    m_shotMap.Hide();
}

QString CSolveTools::GetStatus() const
{
    if (m_player.IsPlaying())
        return tr("Playing the solution: shot %1 of %2").arg(m_player.GetShotNumber()).arg(m_player.GetShotCount());
    QStringList parts{m_parSearch.GetStatus(), m_shotMap.GetStatus()};
    parts.removeAll(QString());
    return parts.join(QStringLiteral("; "));
}

void CSolveTools::OnLevelChanged()
{
    const CLevel& level = m_view.GetSession().GetLevel();
    // Both, whatever the first says.
    const bool parDropped = m_parSearch.OnLevelChanged(level);
    const bool mapDropped = m_shotMap.OnLevelChanged(level);
    if (parDropped || mapDropped)
        m_player.Stop();
}

void CSolveTools::Draw(CDeviceContext& dc) const
{
    const CViewGeometry geometry = m_view.GetGeometry();
    const CPoint origin = geometry.GetOrigin();
    m_shotMap.Draw(dc, origin.x, origin.y, geometry.GetCellSize());
    m_parSearch.Draw(dc, origin.x, origin.y, geometry.GetCellSize());
}

void CSolveTools::OnChanged()
{
    // Paths or dots came or went.
    m_view.InvalidateLevelArea();
    emit m_view.StateChanged();
}
