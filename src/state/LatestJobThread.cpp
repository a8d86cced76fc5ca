#include "state/LatestJobThread.h"

CLatestJobThread::~CLatestJobThread()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_waiting = nullptr;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void CLatestJobThread::Post(std::function<void()> job)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = std::move(job);
        if (!m_thread.joinable())
            m_thread = std::thread(&CLatestJobThread::Run, this);
    }
    m_wake.notify_one();
}

void CLatestJobThread::Wait()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_busy && !m_waiting; });
}

void CLatestJobThread::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || m_waiting; });
        if (m_stopping)
            return;
        std::function<void()> job = std::move(m_waiting);
        m_waiting = nullptr;
        m_busy = true;
        lock.unlock();
        job();
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}
