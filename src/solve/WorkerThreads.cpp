#include "solve/WorkerThreads.h"

#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

int RunOnThreads(int count, const std::function<void(int index)>& work)
{
    std::vector<std::thread> pool;
    std::vector<int> unstarted;
    for (int i = 1; i < count; ++i) {
        try {
            pool.emplace_back(work, i);
        } catch (const std::system_error&) {
            unstarted.push_back(i);
        }
    }
    work(0);
    for (const int i : unstarted)
        work(i);
    for (std::thread& thread : pool)
        thread.join();
    return static_cast<int>(pool.size());
}

bool CanRunThreads(int count, std::string& reason)
{
    std::atomic<bool> release = false;
    std::vector<std::thread> pool;
    std::string failure;
    for (int i = 1; i < count && failure.empty(); ++i) {
        try {
            pool.emplace_back([&release] { release.wait(false); });
        } catch (const std::system_error& error) {
            failure = error.code().message();
        }
    }
    release = true;
    release.notify_all();
    for (std::thread& thread : pool)
        thread.join();
    if (failure.empty())
        return true;
    reason = "only " + std::to_string(pool.size() + 1) + " of " + std::to_string(count) + " threads can run here (" +
             failure + ")";
    return false;
}
