#include "app/sound/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QString>
#include <QThread>
#include <QUrl>

#include <algorithm>

namespace {

// How long the sound thread waits, as it ends, for wave files still loading; within the time the
// sound module gives the thread to end.
constexpr int kLoadWaitMs = 600;

} // namespace

CQtSoundPlayer::CQtSoundPlayer() = default;

CQtSoundPlayer::~CQtSoundPlayer()
{
    // Multimedia decodes a wave file on a loading thread of its own, which, when the file is done,
    // takes the lock of the library's sample cache. Should the process end during that, the
    // cache's clean-up at exit holds that lock while it waits for the loading thread, and the
    // process never ends. So the sound thread lets the loads it started finish first: their
    // status turns Ready (or Error) through its own events, after the lock was taken and given
    // back.
    const QDeadlineTimer deadline(kLoadWaitMs);
    const auto loading = [this] {
        return std::any_of(m_effects.begin(), m_effects.end(),
                           [](const auto& entry) { return entry.second->status() == QSoundEffect::Loading; });
    };
    while (loading() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(2);
    }
}

void CQtSoundPlayer::Play(const std::string& path, std::function<void()> started)
{
    std::unique_ptr<QSoundEffect>& effect = m_effects[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        // A file still loading starts once it has loaded, from an event of its own whose handler
        // opens the audio stream: queued, the check runs after that handler has returned.
        QObject::connect(effect.get(), &QSoundEffect::statusChanged, effect.get(), [this] { ReportIfStarted(); },
                         Qt::QueuedConnection);
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    if (m_playing && m_playing != effect.get())
        m_playing->stop();
    m_playing = effect.get();
    // A sound stopped before it started never reports.
    m_started = std::move(started);
    // With the file loaded, this opens the audio stream and waits until the sound server has it
    // ready.
    effect->play();
    ReportIfStarted();
}

void CQtSoundPlayer::ReportIfStarted()
{
    if (!m_started || !m_playing || m_playing->status() != QSoundEffect::Ready || !m_playing->isPlaying())
        return;
    // Without an output device the sound effect says it plays, and nothing is heard.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    const std::function<void()> started = std::move(m_started);
    m_started = nullptr;
    started();
}

extern "C" Q_DECL_EXPORT CSoundOutput* QvCreateSoundOutput()
{
    return new CQtSoundPlayer;
}
