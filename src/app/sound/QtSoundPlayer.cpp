#include "app/sound/QtSoundPlayer.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

CQtSoundPlayer::CQtSoundPlayer() = default;

CQtSoundPlayer::~CQtSoundPlayer() = default;

void CQtSoundPlayer::Play(const std::string& path)
{
    std::unique_ptr<QSoundEffect>& effect = m_effects[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    if (m_playing && m_playing != effect.get())
        m_playing->stop();
    m_playing = effect.get();
    // Plays as soon as the file has loaded when it has not yet.
    effect->play();
}

extern "C" Q_DECL_EXPORT CSoundPlayer* QvCreateSoundPlayer()
{
    return new CQtSoundPlayer;
}
