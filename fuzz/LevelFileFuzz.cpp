// Arbitrary bytes read as a level file the way Open reads one, for files that declare at most
// kSmallLevelCells cells; levelfilelarge takes the larger ones. A small level runs the whole battery
// of LevelFileChecks in a fraction of a millisecond, where one of 99 x 99 cells takes tens.
#include "FuzzCheck.h"
#include "LevelFileChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (DeclaredCells(data, size) > kSmallLevelCells)
        return -1; // not kept in the corpus: the large target covers it
    CheckLevelFile(data, size);
    return 0;
}
