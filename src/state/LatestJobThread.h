#pragma once
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Runs jobs one after another on a thread of its own, for work that must not hold up the user
// interface, where only the latest job counts: each job replaces the whole result of the ones
// before it (a recovery copy written, or removed). A job posted while another waits replaces the
// waiting one. The thread starts with the first job.
class CLatestJobThread {
public:
    CLatestJobThread() = default;
    // Waits for the running job, drops a waiting one and ends the thread.
    ~CLatestJobThread();
    CLatestJobThread(const CLatestJobThread&) = delete;
    CLatestJobThread& operator=(const CLatestJobThread&) = delete;

    void Post(std::function<void()> job);
    // Returns once no job runs or waits.
    void Wait();

private:
    void Run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::function<void()> m_waiting;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};
