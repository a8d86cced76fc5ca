#include "view/SoundModule.h"

#include "file/ProgramFiles.h"
#include "holmfc/ProgramPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <vector>

#if defined(__GLIBC__)
#include <unistd.h>
#endif
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

using CreateOutput = CSoundOutput* (*)();

// Sound threads that did not end in time: each is still inside the audio library, waiting on the
// sound server. A running QThread can be neither joined nor deleted, so these are kept for the
// rest of the run (reachable from here, so not a leak) and the process ends without them.
std::mutex g_abandonedMutex;
std::vector<QThread*>* g_abandoned = nullptr;

#if defined(__GLIBC__)
// Runs at exit before the audio library's own clean-up, which was set up before this handler was
// registered: destroying the library's main loop while a thread still waits on it aborts the
// process. While an abandoned sound thread is still running, the process ends here with its exit
// status, after flushing its output, instead (what the handlers registered earlier do is the
// libraries' memory and the audio library's connection, which the end of the process frees too).
void EndWhileASoundThreadIsStuck(int status, void*)
{
    {
        const std::lock_guard<std::mutex> lock(g_abandonedMutex);
        bool stuck = false;
        // Not isFinished, which turns true as the thread starts finishing: the objects deleted
        // then (the audio streams among them) may hold it inside the audio library still.
        for (QThread* thread : *g_abandoned)
            stuck = stuck || !thread->wait(QDeadlineTimer(0));
        if (!stuck)
            return;
    }
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // The leak check that would have run last.
    __lsan_do_leak_check();
#endif
    _exit(status);
}
#endif

// Keeps a sound thread that did not end in time (see g_abandoned).
void AbandonSoundThread(QThread* thread)
{
    const std::lock_guard<std::mutex> lock(g_abandonedMutex);
    if (!g_abandoned)
        g_abandoned = new std::vector<QThread*>;
    g_abandoned->push_back(thread);
#if defined(__GLIBC__)
    // Registered anew each time, so that it runs before the clean-up of whatever the audio
    // library set up until now.
    on_exit(EndWhileASoundThreadIsStuck, nullptr);
#endif
}

} // namespace

CSoundModule::CSoundModule(OutputFactory createOutput, std::chrono::milliseconds giveUpTime)
    : m_giveUpTime(giveUpTime), m_thread(new QThread), m_worker(new CSoundWorker(m_progress, std::move(createOutput)))
{
    m_thread->setObjectName(QStringLiteral("Sound"));
    m_worker->moveToThread(m_thread);
    m_deadlineTimer.setSingleShot(true);
    connect(&m_deadlineTimer, &QTimer::timeout, this, &CSoundModule::CheckDeadlines);
}

CSoundModule::~CSoundModule()
{
    // Whatever is still queued is not played.
    m_off = true;
    m_progress->dropThrough = std::numeric_limits<std::uint64_t>::max();
    if (!m_started) {
        delete m_worker;
        delete m_thread;
        return;
    }
    m_worker->Close();
    if (m_thread->wait(QDeadlineTimer(kShutdownWait.count())))
        delete m_thread;
    else {
        qCDebug(lcSound, "the sound thread did not end in time: left running");
        AbandonSoundThread(m_thread);
    }
}

void CSoundModule::Play(const std::string& relativePath)
{
    if (m_off)
        return;
    std::call_once(m_startOnce, [this] {
        m_thread->start();
        m_started = true;
    });
    {
        // The worker gets the requests in the order of their numbers, from whichever thread.
        const std::lock_guard<std::mutex> lock(m_newMutex);
        const std::uint64_t request = ++m_lastRequest;
        m_new.push_back({request, Clock::now() + m_giveUpTime});
        m_worker->Request(request, relativePath);
    }
    QMetaObject::invokeMethod(this, "WatchPending", Qt::QueuedConnection);
}

void CSoundModule::WatchPending()
{
    {
        const std::lock_guard<std::mutex> lock(m_newMutex);
        m_watched.insert(m_watched.end(), m_new.begin(), m_new.end());
        m_new.clear();
    }
    if (!m_deadlineTimer.isActive())
        ArmTimer();
}

void CSoundModule::CheckDeadlines()
{
    const Clock::time_point now = Clock::now();
    while (!m_watched.empty() && m_watched.front().deadline <= now) {
        const std::uint64_t request = m_watched.front().request;
        m_watched.pop_front();
        if (m_progress->settledThrough >= request) {
            m_givenUpInARow = 0;
            continue;
        }
        RaiseTo(m_progress->dropThrough, request);
        if (++m_givenUpInARow == kGiveUpsBeforeOff) {
            TurnOff();
            return;
        }
    }
    ArmTimer();
}

void CSoundModule::ArmTimer()
{
    if (m_watched.empty())
        return;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(m_watched.front().deadline - Clock::now());
    m_deadlineTimer.start(std::max(wait, std::chrono::milliseconds(0)));
}

void CSoundModule::TurnOff()
{
    m_off = true;
    m_progress->dropThrough = std::numeric_limits<std::uint64_t>::max();
    m_watched.clear();
    qCDebug(lcSound, "sounds do not start: off for the rest of the run");
    emit Unavailable();
}

QString CSoundModule::FindSoundFile(const QString& relativePath)
{
    if (QFileInfo::exists(relativePath))
        return QFileInfo(relativePath).absoluteFilePath();
    const QString beside = FindProgramFile(relativePath);
    return QFileInfo::exists(beside) ? beside : QString();
}

std::unique_ptr<CSoundOutput> CSoundModule::LoadOutput()
{
    // Beside the program in a build folder; once installed, in the library folder that the
    // install put where it lies from the program's folder, whatever the prefix.
    for (const std::string& folder : GetProgramFileFolders(QV_SOUND_MODULE_FROM_BINDIR)) {
        QLibrary library(QFile::decodeName(QByteArray::fromStdString(folder)) + QStringLiteral("quorvale_sound"));
        if (const auto create = reinterpret_cast<CreateOutput>(library.resolve("QvCreateSoundOutput"))) {
            qCDebug(lcSound, "sound module %s", qPrintable(QDir::cleanPath(library.fileName())));
            return std::unique_ptr<CSoundOutput>(create());
        }
    }
    qCDebug(lcSound, "no sound module: sounds stay silent");
    return nullptr;
}
