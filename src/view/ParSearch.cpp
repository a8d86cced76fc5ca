#include "view/ParSearch.h"

#include "model/Level.h"
#include "solve/ShotMap.h"

#include <algorithm>

namespace {

constexpr int kProgressIntervalMs = 250;

} // namespace

CParSearch::CParSearch()
{
    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &CParSearch::Changed);
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
        m_clock.start();
    }
    emit Changed();
}

void CParSearch::Stop()
{
    if (!IsRunning())
        return;
    CancelWork();
    m_progressTimer.stop();
    m_status = tr("Par search stopped");
    emit Changed();
}

void CParSearch::Clear()
{
    m_progressTimer.stop();
    m_solver.reset();
    m_result.reset();
    m_solution.clear();
    m_status.clear();
}

void CParSearch::OnFinished()
{
    m_progressTimer.stop();
    const CSolveResult& result = *m_result;
    if (result.ending == SolvePar) {
        m_solution = result.shots;
        m_status = tr("Par %1, found in %2 s").arg(m_solution.size()).arg(m_clock.elapsed() / 1000.0, 0, 'f', 1);
    } else {
        m_status = tr("No par within %1 shots").arg(m_maxShots);
    }
    m_solver.reset();
    m_result.reset();
    emit Changed();
}

QString CParSearch::GetStatus() const
{
    if (!IsRunning())
        return m_status;
    const CSolveProgress progress = m_solver->GetProgress();
    return tr("Finding par: solutions of %1 shots, %2 shots played").arg(std::max(progress.proving, 1)).arg(progress.shots);
}

void CParSearch::Draw(CDeviceContext& dc, int x0, int y0, int cell) const
{
    for (const CPlayedShot& shot : m_solution)
        CShotMap::DrawPath(dc, shot.path, x0, y0, cell);
}
