#include "view/SoundWorker.h"

#include "view/SoundModule.h"

#include <QThread>

Q_LOGGING_CATEGORY(lcSound, "quorvale.sound", QtWarningMsg)

void RaiseTo(std::atomic<std::uint64_t>& value, std::uint64_t least)
{
    std::uint64_t current = value.load();
    while (current < least && !value.compare_exchange_weak(current, least)) {
    }
}

CSoundWorker::CSoundWorker(std::shared_ptr<CSoundProgress> progress, OutputFactory createOutput)
    : m_progress(std::move(progress)), m_createOutput(std::move(createOutput))
{
}

CSoundWorker::~CSoundWorker() = default;

void CSoundWorker::Request(std::uint64_t request, const std::string& relativePath)
{
    const std::lock_guard<std::mutex> lock(m_pendingMutex);
    m_pending.emplace_back(request, relativePath);
    QMetaObject::invokeMethod(this, "PlayPending", Qt::QueuedConnection);
}

void CSoundWorker::Close()
{
    const std::lock_guard<std::mutex> lock(m_pendingMutex);
    QMetaObject::invokeMethod(this, "Finish", Qt::QueuedConnection);
}

void CSoundWorker::PlayPending()
{
    std::vector<std::pair<std::uint64_t, std::string>> requests;
    {
        const std::lock_guard<std::mutex> lock(m_pendingMutex);
        requests.swap(m_pending);
    }
    for (const auto& [request, relativePath] : requests)
        Play(request, relativePath);
}

void CSoundWorker::Play(std::uint64_t request, const std::string& relativePath)
{
    // A request that waited here past its time (the thread was held up in the audio library)
    // would only be a late surprise now.
    if (request <= m_progress->dropThrough.load())
        return;
    if (!m_loadTried) {
        m_loadTried = true;
        m_output = m_createOutput();
        m_progress->loaded = m_output != nullptr;
    }
    const QString path = CSoundModule::FindSoundFile(QString::fromStdString(relativePath));
    if (path.isEmpty()) {
        RaiseTo(m_progress->settledThrough, request);
        return;
    }
    if (!m_output)
        return;
    qCDebug(lcSound, "playing %s", qPrintable(path));
    m_output->Play(path.toStdString(), [progress = m_progress, request] { RaiseTo(progress->settledThrough, request); });
}

void CSoundWorker::Finish()
{
    {
        // After every post to this worker (see m_pendingMutex).
        const std::lock_guard<std::mutex> lock(m_pendingMutex);
    }
    m_output.reset();
    deleteLater();
    thread()->quit();
}
