#pragma once
#include <QObject>

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <thread>

class CLevel;

// Runs work on a copy of a level, on a thread of its own, so that the window stays responsive and
// the document's level may change meanwhile. One piece of work is current at a time: Start and
// Cancel cancel the one before, whose thread ends by itself at the work's next look at the cancel
// flag and is joined on the user-interface thread when it has; the destructor joins whatever is
// left. Finished reports, on the user-interface thread and once its thread has been joined, that
// the current work ran to its end: from then on the user-interface thread may read whatever the
// work wrote.
class CLevelTask : public QObject {
    Q_OBJECT
public:
    using Work = std::function<void(const CLevel& level, const std::atomic<bool>& cancel)>;

    CLevelTask();
    ~CLevelTask() override;

    // False, with nothing started, when no thread could be made.
    bool Start(const CLevel& level, Work work);
    void Cancel();
    // Cancels the current work and forgets its level.
    void Forget();
    bool IsRunning() const { return m_current != nullptr; }
    bool HasLevel() const { return m_level != nullptr; }
    // The copy of the level of the last Start; null after Forget.
    const CLevel* GetLevel() const { return m_level.get(); }
    // Whether the level is the one of the last Start: the same size, start position and blocks,
    // every value of every block compared (block equality leaves out the front of a uniform
    // block, so a grass/grass triangle would equal the grass/water one painted over it).
    bool IsFor(const CLevel& level) const;

signals:
    void Finished();

private:
    struct CJob {
        std::atomic<bool> cancel = false;
        std::atomic<bool> ended = false;
        std::thread thread;
    };

    // Joins the threads whose work has ended; queued by each of them as its last act.
    Q_INVOKABLE void JoinEnded();

    std::shared_ptr<const CLevel> m_level;
    std::list<CJob> m_jobs;
    CJob* m_current = nullptr;
};
