#pragma once
#include "solve/Shot.h"
#include "solve/ShotSolver.h"
#include "view/LevelOverlay.h"

#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <vector>

// Find par: the shot solver on a copy of a level, in the background, and what it found: the
// shortest solution with the path of each shot, and a status line that follows the search while
// it runs.
class CParSearch : public CLevelOverlay {
    Q_OBJECT
public:
    CParSearch();

    // Starts a search of the level; what an earlier one found is dropped, one still running is
    // cancelled.
    void Start(const CLevel& level, const CSolveOptions& options);
    // Stops a running search; the status says so.
    void Stop();

    // The shots into the cup, in order, each with its path; empty until a solution is found.
    const std::vector<CPlayedShot>& GetSolution() const { return m_solution; }
    QString GetStatus() const override;
    // The solution's paths.
    void Draw(CDeviceContext& dc, int x0, int y0, int cell) const override;

private:
    void OnFinished() override;
    void Clear() override;

    int m_maxShots = 0;
    // Shared with the search's thread; the result is read once it has finished.
    std::shared_ptr<CShotSolver> m_solver;
    std::shared_ptr<CSolveResult> m_result;
    std::vector<CPlayedShot> m_solution;
    QString m_status;
    // Brings the progress to the status bar while the search runs.
    QTimer m_progressTimer;
    // Since the search started.
    QElapsedTimer m_clock;
};
