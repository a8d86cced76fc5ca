#pragma once
#include <functional>
#include <string>

// What the sound module (CQtSoundPlayer, loaded on the first sound) offers the sound thread. Used
// on that thread only: the output and everything it creates live and die there.
class CSoundOutput {
public:
    virtual ~CSoundOutput() = default;
    // Starts the wave file at the absolute path, stopping the sound still playing. started is
    // called on the sound thread once the sound plays, and never for a sound that does not start
    // (no audio device, an unreadable file, or one stopped by the next sound first). Play may block
    // for as long as the audio library waits for the sound server.
    virtual void Play(const std::string& path, std::function<void()> started) = 0;
};

// The module's entry point, looked up by name: a new output owned by the caller.
extern "C" CSoundOutput* QvCreateSoundOutput();
