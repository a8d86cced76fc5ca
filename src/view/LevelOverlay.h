#pragma once
#include "view/LevelTask.h"

#include <QObject>
#include <QString>

#include <utility>

class CDeviceContext;
class CLevel;
class CViewGeometry;

// What is computed for one level in the background and drawn over it: the solution of a search,
// the shot map. Once the document's level is another, OnLevelChanged drops it, and cancels the
// computation if it still runs.
class CLevelOverlay : public QObject {
    Q_OBJECT
public:
    CLevelOverlay();

    // Drops everything unless the level is the one computed for. True when there was something
    // to drop; a computation still running is then stopped by an edit.
    bool OnLevelChanged(const CLevel& level);
    bool IsRunning() const { return m_task.IsRunning(); }
    // A line for the status bar; empty for nothing.
    virtual QString GetStatus() const = 0;
    // Over the level picture where the geometry places it, pixelRatio device pixels a pixel.
    virtual void Draw(CDeviceContext& dc, const CViewGeometry& geometry, double pixelRatio) const = 0;

signals:
    // The status, what is drawn or the running state changed.
    void Changed();

protected:
    // Starts the work on a copy of the level, cancelling the work before; OnFinished follows
    // once it has run to its end. False when no thread could be made.
    bool StartWork(const CLevel& level, CLevelTask::Work work) { return m_task.Start(level, std::move(work)); }
    // Stops the work, keeping what was computed and the level.
    void CancelWork() { m_task.Cancel(); }
    // Cancels the work, forgets the level and, through Clear, what was computed; then, when a
    // change of the level stopped the work, OnStoppedByEdit.
    void Drop(bool stoppedByEdit = false);
    // The copy of the level the work was started on; null when dropped.
    const CLevel* GetLevel() const { return m_task.GetLevel(); }

    virtual void OnFinished() = 0;
    virtual void Clear() = 0;
    // A change of the level dropped the work while it was still running.
    virtual void OnStoppedByEdit() {}

private:
    CLevelTask m_task;
};
