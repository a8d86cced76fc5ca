#pragma once
#include <string>

// Plays the ball's sounds. Play starts the wave file at the path, relative to the current
// directory, and returns at once; a new sound replaces one still playing, and a sound that cannot
// be played stays silent. The ball calls Play on its own thread.
class CSoundPlayer {
public:
    virtual ~CSoundPlayer() = default;
    virtual void Play(const std::string& relativePath) = 0;
};
