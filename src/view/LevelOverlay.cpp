#include "view/LevelOverlay.h"

CLevelOverlay::CLevelOverlay()
{
    connect(&m_task, &CLevelTask::Finished, this, [this] { OnFinished(); });
}

bool CLevelOverlay::OnLevelChanged(const CLevel& level)
{
    if (!m_task.HasLevel() || m_task.IsFor(level))
        return false;
    Drop();
    return true;
}

void CLevelOverlay::Drop()
{
    m_task.Forget();
    Clear();
    emit Changed();
}
