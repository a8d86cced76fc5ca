#include "view/SolveTools.h"

#include "view/EditorView.h"

#include <QStringList>

#include <algorithm>

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
    // The solution as shown now: the player keeps its own copy, whatever the search finds next.
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
    if (m_player.IsPlaying()) {
        // Before the first shot starts, the first is the one to come.
        const int shot = std::max(m_player.GetShotNumber(), 1);
        const QString playing = tr("Playing the solution: shot %1 of %2, forgiveness %3%")
                                    .arg(QString::number(shot), QString::number(m_player.GetShotCount()),
                                         QString::number(m_player.GetForgiveness(shot)));
        return m_player.IsThroughWall(shot) ? tr("%1, through a wall").arg(playing) : playing;
    }
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

void CSolveTools::Draw(CDeviceContext& dc, double pixelRatio) const
{
    const CViewGeometry geometry = m_view.GetGeometry();
    m_shotMap.Draw(dc, geometry, pixelRatio);
    m_parSearch.Draw(dc, geometry, pixelRatio);
}

void CSolveTools::OnChanged()
{
    // Paths or dots came or went.
    m_view.InvalidateLevelArea();
    emit m_view.StateChanged();
}
