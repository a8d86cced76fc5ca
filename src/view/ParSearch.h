#pragma once
#include "solve/ShotSolver.h"
#include "view/LevelOverlay.h"

#include <QTimer>

#include <memory>

// Find par: the shot solver on a copy of a level, in the background, and what it found. The best
// solution so far is shown as soon as there is one and replaced by each shorter one; the status
// line follows the search while it runs and then says how it ended. A stop (Escape, the time
// limit) keeps the best solution found and says what was ruled out.
class CParSearch : public CLevelOverlay {
    Q_OBJECT
public:
    CParSearch();

    // Starts a search of the level; what an earlier one found is dropped, one still running is
    // cancelled.
    void Start(const CLevel& level, const CSolveOptions& options);
    // Stops a running search, keeping its best solution; the status says what it had found.
    void Stop();

    // The best solution found, each shot with its path and forgiveness; empty until one is.
    const CSolution& GetSolution() const { return m_solution; }
    QString GetStatus() const override;
    // The solution's paths, each shot numbered where it starts.
    void Draw(CDeviceContext& dc, const CViewGeometry& geometry, double pixelRatio) const override;

    // The status line of a search under way, at most maxShots shots long.
    static QString DescribeProgress(const CSolveProgress& progress, int maxShots);
    // The status line of a search that ended so, at most maxShots shots long.
    static QString DescribeEnding(const CSolveResult& result, int maxShots);

private:
    void OnFinished() override;
    void OnStoppedByEdit() override;
    void Clear() override;
    // Takes a better solution than the one shown, while the search runs.
    void OnProgressTick();

    int m_maxShots = 0;
    // Shared with the search's thread; polled while it runs, the result read once it has ended.
    std::shared_ptr<CShotSolver> m_solver;
    std::shared_ptr<CSolveResult> m_result;
    CSolution m_solution;
    QString m_status;
    // Brings the progress and a better solution to the window while the search runs.
    QTimer m_progressTimer;
};
