#include "view/LevelOverlay.h"

CLevelOverlay::CLevelOverlay()
{
    connect(&m_task, &CLevelTask::Finished, this, [this] { OnFinished(); });
}

bool CLevelOverlay::OnLevelChanged(const CLevel& level)
{
    if (!m_task.HasLevel() || m_task.IsFor(level))
        return false;
    Drop(IsRunning());
    return true;
}

void CLevelOverlay::Drop(bool stoppedByEdit)
{
    m_task.Forget();
    Clear();
    if (stoppedByEdit)
        OnStoppedByEdit();
    emit Changed();
}
