#pragma once
#include "solve/ShotSolver.h"
#include "view/ParSearch.h"
#include "view/ShotMapOverlay.h"
#include "view/SolutionPlayer.h"

#include <QObject>
#include <QString>

class CDeviceContext;
class CEditorView;

// The view's commands built on the shot solver: Find par searches the document's level in the
// background and draws the solution's paths over it, Play solution plays that solution in test
// mode, Shot map shows where every first shot ends. What they found is for one level only: once
// the document's level is another (an edit, Undo, New, Open, a random level), a search still
// running is cancelled and the paths and the map are dropped.
class CSolveTools : public QObject {
    Q_OBJECT
public:
    explicit CSolveTools(CEditorView& view);

    void OnFindPar();
    void OnPlaySolution();
    void OnShotMap();
    // Escape: stops the search and the mapping under way.
    void OnStopSearch();
    // Stops everything when the window closes.
    void StopAll();

    bool IsSearching() const { return m_parSearch.IsRunning() || m_shotMap.IsRunning(); }
    bool IsFindingPar() const { return m_parSearch.IsRunning(); }
    bool CanPlaySolution() const { return !GetSolution().shots.empty() && !m_player.IsPlaying(); }
    // The solution shown for the document's level (the best so far while the search runs), each
    // shot with its path and forgiveness; empty for none.
    const CSolution& GetSolution() const { return m_parSearch.GetSolution(); }
    bool IsShotMapShown() const { return m_shotMap.IsShown(); }
    // The status bar's line: the solution being played with the forgiveness of its shot, else
    // what the search and the map are doing or found; empty for nothing.
    QString GetStatus() const;

    // Called whenever the level changed: what was found for another level is dropped.
    void OnLevelChanged();
    // The paths and the map over the level, in edit mode, at pixelRatio device pixels a pixel.
    void Draw(CDeviceContext& dc, double pixelRatio) const;

    // The search's options and the map's headings; the editor uses the solver's defaults, tests
    // take fewer headings.
    void SetOptions(const CSolveOptions& options) { m_options = options; }

private:
    void OnChanged();

    CEditorView& m_view;
    CSolveOptions m_options;
    CParSearch m_parSearch;
    CShotMapOverlay m_shotMap;
    CSolutionPlayer m_player;
};
