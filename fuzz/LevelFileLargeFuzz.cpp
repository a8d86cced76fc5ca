// Arbitrary bytes read as a level file the way Open reads one, for the files levelfile leaves
// out: those that declare more than kSmallLevelCells cells, up to sizes the reader refuses. Slow:
// each run of a large level writes and reads back all its cells.
#include "FuzzCheck.h"
#include "LevelFileChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (DeclaredCells(data, size) <= kSmallLevelCells)
        return -1; // not kept in the corpus: levelfile covers it
    CheckLevelFile(data, size);
    return 0;
}
