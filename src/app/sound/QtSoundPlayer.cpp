#include "app/sound/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

CQtSoundPlayer::CQtSoundPlayer() = default;

CQtSoundPlayer::~CQtSoundPlayer() = default;

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
