#pragma once
#include "common/TestBlocks.h"
#include "sim/BallListener.h"
#include "sim/SoundPlayer.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// Records the sounds a ball plays; the ball thread may be playing while the test reads.
class CRecordingPlayer : public CSoundPlayer {
public:
    void Play(const std::string& relativePath) override
    {
        std::lock_guard lock(m_mutex);
        m_played.push_back(relativePath);
    }
    std::vector<std::string> Played() const
    {
        std::lock_guard lock(m_mutex);
        return m_played;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_played;
};

// A view with an event queue of one: OnBallNotify (ball thread) waits until PumpEvents (the test
// thread, standing in for the user-interface thread) has handled the notification, as a blocking
// queued call onto the user-interface thread does.
class CFakeView : public CBallListener {
public:
    // Runs on the "user-interface" thread for every notification handled.
    std::function<void(int code)> onNotify;

    void OnBallNotify(int, int code) override
    {
        std::unique_lock lock(m_mutex);
        m_pending = code;
        m_hasPending = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return !m_hasPending; });
    }

    bool PumpEvents() override
    {
        std::unique_lock lock(m_mutex);
        if (m_hasPending) {
            const int code = m_pending;
            lock.unlock();
            if (onNotify)
                onNotify(code);
            lock.lock();
            m_codes.push_back(code);
            m_hasPending = false;
            m_changed.notify_all();
        }
        return !m_closing;
    }

    // Blocks the test thread until the ball thread waits inside OnBallNotify.
    void WaitForPending()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_hasPending; });
    }

    // Handles notifications until one with a code other than BallMoved has been handled.
    void RunUntilStopped()
    {
        do {
            WaitForPending();
            PumpEvents();
        } while (Codes().back() == BallMoved);
    }

    std::vector<int> Codes() const
    {
        std::lock_guard lock(m_mutex);
        return m_codes;
    }
    void SetClosing()
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_pending = 0;
    bool m_hasPending = false;
    bool m_closing = false;
    std::vector<int> m_codes;
};
