#pragma once
#include <cstddef>
#include <cstdint>

class CLevel;

// levelfile takes the files that declare at most this many cells, levelfilelarge the others.
inline constexpr std::int64_t kSmallLevelCells = 16;

// The cells a level file declares: width times height as the reader parses them from its fifth
// and sixth fields, negative sides counting as 0; 0 when the bytes hold no readable archive string.
std::int64_t DeclaredCells(const std::uint8_t* data, std::size_t size);

// Reads the bytes as Open reads a level file (the archive string, then the level text) into a
// level that already holds content, and checks what was read: a refused file leaves the level as
// it was, the result writes and reads back to the same text, and on levels of up to 32 x 32 cells
// the whole-level transformations, cropping and the flood fill keep their promises.
void CheckLevelFile(const std::uint8_t* data, std::size_t size);

// The ball start lies inside the level as the level's clamp keeps it.
void CheckBallInside(const CLevel& level);
// The written text reads back into again (which may hold anything) and writes the same text.
void CheckRoundTrip(const CLevel& level, CLevel& again);
