#include "view/LevelTask.h"

#include "model/Level.h"

#include <system_error>

CLevelTask::CLevelTask() = default;

CLevelTask::~CLevelTask()
{
    for (CJob& job : m_jobs) {
        job.cancel = true;
        job.thread.join();
    }
}

bool CLevelTask::Start(const CLevel& level, Work work)
{
    Cancel();
    m_level = std::make_shared<const CLevel>(level);
    CJob& job = m_jobs.emplace_back();
    try {
        // The thread owns a share of the copy: a later Start may replace m_level meanwhile.
        job.thread = std::thread([this, &job, copy = m_level, work = std::move(work)] {
            work(*copy, job.cancel);
            // The call carries nothing: the flag tells which thread has ended.
            job.ended = true;
            QMetaObject::invokeMethod(this, "JoinEnded", Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        m_jobs.pop_back();
        return false;
    }
    m_current = &job;
    return true;
}

void CLevelTask::Cancel()
{
    if (m_current)
        m_current->cancel = true;
    m_current = nullptr;
}

void CLevelTask::Forget()
{
    Cancel();
    m_level.reset();
}

void CLevelTask::JoinEnded()
{
    bool finished = false;
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        if (!it->ended) {
            ++it;
            continue;
        }
        it->thread.join();
        finished = finished || &*it == m_current;
        it = m_jobs.erase(it);
    }
    if (finished) {
        m_current = nullptr;
        emit Finished();
    }
}

bool CLevelTask::IsFor(const CLevel& level) const
{
    if (!m_level)
        return false;
    const CLevel& mine = *m_level;
    if (mine.GetWidth() != level.GetWidth() || mine.GetHeight() != level.GetHeight() ||
        mine.GetBallX() != level.GetBallX() || mine.GetBallY() != level.GetBallY())
        return false;
    for (int x = 0; x < level.GetWidth(); ++x)
        for (int y = 0; y < level.GetHeight(); ++y)
            if (!mine.GetBlock(x, y).IsIdentical(level.GetBlock(x, y)))
                return false;
    return true;
}
