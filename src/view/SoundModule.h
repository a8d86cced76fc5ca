#pragma once
#include "sim/SoundPlayer.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>

// The ball's sounds, played by the sound module (CQtSoundPlayer), which is loaded on the first
// sound rather than at start-up. Play may be called on any thread: the sound starts on the
// user-interface thread, and Play returns at once. When the module or the file cannot be found
// the sound stays silent.
class CSoundModule : public CSoundPlayer {
public:
    CSoundModule();
    ~CSoundModule() override;

    void Play(const std::string& relativePath) override;

    // The wave file at relativePath below the current directory, else beside the program (or in
    // the installed data folder); empty when there is neither.
    static QString FindSoundFile(const QString& relativePath);
    // Whether the module has been loaded (false until the first sound).
    bool IsLoaded() const { return m_player != nullptr; }

private:
    void PlayNow(const QString& relativePath);
    void Load();

    // Lives on the user-interface thread; the sounds are queued to it.
    QObject m_receiver;
    bool m_loadTried = false;
    std::unique_ptr<CSoundPlayer> m_player;
};
