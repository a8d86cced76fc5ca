#pragma once
#include "sim/SoundPlayer.h"
#include "view/SoundWorker.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QThread;

// The ball's sounds, played on a thread of their own by the sound module (CQtSoundPlayer), which
// is loaded on the first sound rather than at start-up. Play may be called on any thread and
// returns at once, whatever the sound server does: a server that accepts the sound and never
// starts it holds up the sound thread, never the caller. The sounds play in the order asked for,
// each stopping the one before it.
//
// A sound that has not started within the give-up time (2 s) is given up; after three in a row
// the sounds stay off for the rest of the run and Unavailable is emitted, once. When the module
// or the file cannot be found the sound stays silent.
class CSoundModule : public QObject, public CSoundPlayer {
    Q_OBJECT
public:
    using OutputFactory = CSoundWorker::OutputFactory;

    static constexpr std::chrono::milliseconds kGiveUpTime{2000};
    static constexpr int kGiveUpsBeforeOff = 3;
    // The longest the destructor waits for the sound thread to end.
    static constexpr std::chrono::milliseconds kShutdownWait{1000};

    // createOutput makes the output on the sound thread at the first sound; by default it loads
    // the sound module.
    explicit CSoundModule(OutputFactory createOutput = &LoadOutput, std::chrono::milliseconds giveUpTime = kGiveUpTime);
    // Ends the sound thread, waiting no longer than kShutdownWait: a thread held up inside the
    // audio library is left to itself (AbandonSoundThread).
    ~CSoundModule() override;

    void Play(const std::string& relativePath) override;

    // The wave file at relativePath below the current directory, else beside the program (or in
    // the installed data folder); empty when there is neither.
    static QString FindSoundFile(const QString& relativePath);
    // Whether the module has been loaded (false until the first sound).
    bool IsLoaded() const { return m_progress->loaded; }
    // False once the sounds are off for the rest of the run.
    bool IsAvailable() const { return !m_off; }

signals:
    // The sounds were turned off because the sound server does not start them. User-interface
    // thread.
    void Unavailable();

private:
    // The sound module's output, or null when the module cannot be found. Sound thread.
    static std::unique_ptr<CSoundOutput> LoadOutput();
    // Watches the requests made since the last call. User-interface thread.
    Q_INVOKABLE void WatchPending();
    // Gives up the requests whose time has come and have not started. User-interface thread.
    void CheckDeadlines();
    void ArmTimer();
    void TurnOff();

    using Clock = std::chrono::steady_clock;
    struct CWatched {
        std::uint64_t request;
        Clock::time_point deadline;
    };

    const std::chrono::milliseconds m_giveUpTime;
    const std::shared_ptr<CSoundProgress> m_progress = std::make_shared<CSoundProgress>();
    // The sound thread, started by the first sound, and the worker that lives on it.
    QThread* m_thread;
    CSoundWorker* m_worker;
    std::once_flag m_startOnce;
    std::atomic<bool> m_started{false};
    std::atomic<bool> m_off{false};
    // The last request's number and the requests made and not yet watched; any thread.
    std::mutex m_newMutex;
    std::uint64_t m_lastRequest = 0;
    std::vector<CWatched> m_new;
    // User-interface thread only: the requests not yet settled, oldest first, and the give-ups in
    // a row.
    std::deque<CWatched> m_watched;
    QTimer m_deadlineTimer;
    int m_givenUpInARow = 0;
};
