#pragma once
#include "sim/SoundPlayer.h"

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The ball's sounds, played by the sound module (CQtSoundPlayer), which is loaded on the first
// sound rather than at start-up. Play may be called on any thread: the sound starts on the
// user-interface thread, and Play returns at once. When the module or the file cannot be found
// the sound stays silent.
class CSoundModule : public QObject, public CSoundPlayer {
    Q_OBJECT
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
    // Plays the sounds asked for since the last call, on the user-interface thread.
    Q_INVOKABLE void PlayPending();
    void PlayNow(const QString& relativePath);
    void Load();

    // The sounds asked for and not yet played, in order; filled on any thread.
    std::mutex m_pendingMutex;
    std::vector<std::string> m_pending;
    // User-interface thread only.
    bool m_loadTried = false;
    std::unique_ptr<CSoundPlayer> m_player;
};
