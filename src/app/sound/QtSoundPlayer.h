#pragma once
#include "view/SoundOutput.h"

#include <map>
#include <memory>
#include <string>

class QSoundEffect;

// The ball's sounds through Qt Multimedia, one sound effect per wave file, each loaded on its
// first play. A new sound stops the one still playing. Without an audio device, or for a file
// that cannot be read, the sound effect stays silent and never reports that it started.
//
// Built as a module of its own that the editor loads on the first sound, so that starting the
// editor does not load the multimedia libraries. Created, used and destroyed on the sound thread
// (CSoundModule), which runs the event loop that the sound effects need.
class CQtSoundPlayer : public CSoundOutput {
public:
    CQtSoundPlayer();
    ~CQtSoundPlayer() override;

    void Play(const std::string& path, std::function<void()> started) override;

private:
    // Calls the playing sound's started callback once it plays on an audio device.
    void ReportIfStarted();

    std::map<std::string, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_playing = nullptr;
    std::function<void()> m_started;
};
