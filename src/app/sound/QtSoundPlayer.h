#pragma once
#include "sim/SoundPlayer.h"

#include <map>
#include <memory>
#include <string>

class QSoundEffect;

// The ball's sounds through Qt Multimedia, one sound effect per wave file, each loaded on its
// first play. A new sound stops the one still playing. Without an audio device, or for a file
// that cannot be read, the sound effect stays silent. User-interface thread only.
//
// Built as a module of its own that the editor loads on the first sound (CSoundModule), so that
// starting the editor does not load the multimedia libraries.
class CQtSoundPlayer : public CSoundPlayer {
public:
    CQtSoundPlayer();
    ~CQtSoundPlayer() override;

    // path: a wave file, absolute or relative to the current directory.
    void Play(const std::string& path) override;

private:
    std::map<std::string, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_playing = nullptr;
};

// The module's entry point, looked up by name: a new player owned by the caller.
extern "C" CSoundPlayer* QvCreateSoundPlayer();
