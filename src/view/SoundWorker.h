#pragma once
#include "view/SoundOutput.h"

#include <QLoggingCategory>
#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// Which module and which files the sounds come from; off by default
// (QT_LOGGING_RULES="quorvale.sound.debug=true" turns it on).
Q_DECLARE_LOGGING_CATEGORY(lcSound)

// What the sound thread and the user-interface thread share: sound requests are numbered 1, 2, 3
// and so on in the order they were made.
struct CSoundProgress {
    // Every request up to this one has started, or needed no sound (no such file) or was replaced
    // by a later one that started. Written by the sound thread.
    std::atomic<std::uint64_t> settledThrough{0};
    // The requests up to this one are not to be played any more: given up, or the sounds closing
    // down. Written by the user-interface thread.
    std::atomic<std::uint64_t> dropThrough{0};
    // Whether the sound module was found and loaded.
    std::atomic<bool> loaded{false};
};

// Raises value to at least least.
void RaiseTo(std::atomic<std::uint64_t>& value, std::uint64_t least);

// The sound thread's side of CSoundModule: lives on the sound thread, loads the sound output on
// the first request and plays the requests in the order they come.
class CSoundWorker : public QObject {
    Q_OBJECT
public:
    using OutputFactory = std::function<std::unique_ptr<CSoundOutput>()>;

    CSoundWorker(std::shared_ptr<CSoundProgress> progress, OutputFactory createOutput);
    ~CSoundWorker() override;

    // Asks for request number `request`: the wave file at relativePath
    // (CSoundModule::FindSoundFile). Any thread; returns at once.
    void Request(std::uint64_t request, const std::string& relativePath);
    // Asks the sound thread to destroy the output and everything it made and to end its event
    // loop; the worker deletes itself as the thread ends. Any thread; returns at once.
    void Close();

private:
    // Sound thread: plays the requests made since the last call, in order; Close's work.
    Q_INVOKABLE void PlayPending();
    Q_INVOKABLE void Finish();
    void Play(std::uint64_t request, const std::string& relativePath);

    // Every event is posted to the worker under this lock, and the sound thread takes it before
    // it acts on one: Qt's own hand-over of posted events is one that ThreadSanitizer cannot see.
    // It also guards the requests not yet taken by the sound thread, in order.
    std::mutex m_pendingMutex;
    std::vector<std::pair<std::uint64_t, std::string>> m_pending;
    // Sound thread only.
    std::shared_ptr<CSoundProgress> m_progress;
    OutputFactory m_createOutput;
    bool m_loadTried = false;
    std::unique_ptr<CSoundOutput> m_output;
};
