#include "view/ParSearch.h"

#include "render/DeviceContext.h"
#include "view/SolutionDrawing.h"

namespace {

constexpr int kProgressIntervalMs = 250;

// "1 shot", "2 shots".
QString Shots(int count)
{
    return count == 1 ? CParSearch::tr("1 shot") : CParSearch::tr("%1 shots").arg(count);
}

} // namespace

CParSearch::CParSearch()
{
    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &CParSearch::OnProgressTick);
}

void CParSearch::Start(const CLevel& level, const CSolveOptions& options)
{
    Clear();
    m_maxShots = options.maxShots;
    auto solver = std::make_shared<CShotSolver>(level);
    auto result = std::make_shared<CSolveResult>();
    if (StartWork(level, [solver, result, options](const CLevel&, const std::atomic<bool>& cancel) {
            *result = solver->Solve(options, &cancel);
        })) {
        m_solver = solver;
        m_result = result;
        m_progressTimer.start();
    }
    emit Changed();
}

void CParSearch::Stop()
{
    if (!IsRunning())
        return;
    // The best first: every length ruled out after it was found is still shorter than it.
    CSolveResult stopped;
    static_cast<CSolution&>(stopped) = m_solver->GetBest();
    const CSolveProgress progress = m_solver->GetProgress();
    CancelWork();
    stopped.ending = stopped.shots.empty() ? SolveNoneFound : SolveAtMost;
    stopped.depthProved = progress.depthProved;
    stopped.cancelled = true;
    stopped.seconds = progress.seconds;
    m_progressTimer.stop();
    m_solver.reset();
    m_result.reset();
    m_solution = stopped;
    m_status = DescribeEnding(stopped, m_maxShots);
    emit Changed();
}

void CParSearch::Clear()
{
    m_progressTimer.stop();
    m_solver.reset();
    m_result.reset();
    m_solution = {};
    m_status.clear();
}

void CParSearch::OnProgressTick()
{
    if (m_solver->GetProgress().best != static_cast<int>(m_solution.shots.size()))
        m_solution = m_solver->GetBest();
    emit Changed();
}

void CParSearch::OnFinished()
{
    m_progressTimer.stop();
    m_solution = *m_result;
    m_status = DescribeEnding(*m_result, m_maxShots);
    m_solver.reset();
    m_result.reset();
    emit Changed();
}

void CParSearch::OnStoppedByEdit()
{
    m_status = tr("Par search stopped by an edit");
}

QString CParSearch::GetStatus() const
{
    return IsRunning() ? DescribeProgress(m_solver->GetProgress(), m_maxShots) : m_status;
}

QString CParSearch::DescribeProgress(const CSolveProgress& progress, int maxShots)
{
    const QString seconds = QString::number(static_cast<long long>(progress.seconds));
    if (progress.best > 0)
        return tr("Par at most %1, proving… %2 s").arg(progress.best).arg(seconds);
    if (progress.depthProved > 0)
        return tr("Finding par within %1: none of %2 or fewer… %3 s")
            .arg(Shots(maxShots), Shots(progress.depthProved), seconds);
    return tr("Finding par within %1… %2 s").arg(Shots(maxShots), seconds);
}

QString CParSearch::DescribeEnding(const CSolveResult& result, int maxShots)
{
    const QString seconds = QString::number(result.seconds, 'f', 1);
    const QString found = QString::number(result.shots.size());
    switch (result.ending) {
    case SolvePar:
        return tr("Par %1, found in %2 s").arg(found, seconds);
    case SolveAtMost:
        if (result.depthProved > 0)
            return tr("Par at most %1, none of %2 or fewer (stopped after %3 s)")
                .arg(found, Shots(result.depthProved), seconds);
        return tr("Par at most %1 (stopped after %2 s)").arg(found, seconds);
    case SolveUnreachable:
        return result.noCup ? tr("This level has no cup") : tr("The cup cannot be reached");
    case SolveNoneFound:
        if (result.depthProved > 0)
            return tr("No par found, none of %1 or fewer (stopped after %2 s)").arg(Shots(result.depthProved), seconds);
        return tr("No par found (stopped after %1 s)").arg(seconds);
    default:
        return tr("No par within %1").arg(Shots(maxShots));
    }
}

void CParSearch::Draw(CDeviceContext& dc, const CViewGeometry& geometry, double pixelRatio) const
{
    if (const CLevel* level = GetLevel())
        DrawSolution(dc.GetImage(), *level, m_solution.shots, geometry, pixelRatio);
}
