// A bite folder of hostile files for the random level generator: each of the eight bite names
// is missing, a file of arbitrary bytes, or something no level can be read from (a directory, a
// FIFO without a writer, a link to /dev/zero, a file larger than reading accepts, a link to
// itself), and the C library's generator is seeded from the input. Opening never waits, reading
// never fills the memory. Whatever the files hold, a generation completes with a 50 x 50 level, the ball
// inside it, a course of neighbouring bite cells that never visits one twice, and a text that
// reads back as written.
#include "FuzzCheck.h"
#include "HostileFile.h"
#include "LevelFileChecks.h"
#include "TempFolder.h"
#include "random/RandomLevelGenerator.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr const char* kBiteNames[] = {"utslag7.lev",    "runtutslag7.lev", "horn7.lev",    "hal27.lev",
                                      "runthal27.lev", "snetthorn7.lev",  "vetinte7.lev", "runthorn7.lev"};
// Bites are 7 x 7; larger ones spill into the cells beside them. A bite that declares a level of
// thousands of cells only makes every run slower, as in levelfile.
constexpr std::int64_t kLargestBiteCells = 15 * 15;
constexpr std::size_t kLargestFile = 4096;

// The bite folder, a temporary folder that remembers what each name holds and leaves a name
// alone when the next input wants the same: most mutations change one bite, and creating and
// deleting files took most of a run.
class CBiteFolder {
public:
    std::string Path() const { return m_folder.Path().string(); }

    // Makes the bite missing (kind 0), a file of the given bytes (1) or a hostile file (2 on).
    void Put(const char* name, int kind, const std::string& bytes)
    {
        const std::string wanted = std::to_string(kind) + bytes;
        std::string& held = m_held[name];
        if (held == wanted)
            return;
        const fs::path path = m_folder.Path() / name;
        std::error_code ignored;
        fs::remove_all(path, ignored);
        if (kind == 1)
            std::ofstream(path, std::ios::binary) << bytes;
        else if (kind >= 2)
            MakeHostileFile(path, static_cast<HostileFile>(kind - 2));
        held = wanted;
    }

private:
    CTempFolder m_folder;
    std::map<std::string, std::string> m_held;
};

void CheckCourse(const std::vector<int>& course)
{
    FuzzCheck(!course.empty(), "a course has a start");
    std::set<int> seen;
    for (std::size_t i = 0; i < course.size(); ++i) {
        const int cell = course[i];
        FuzzCheck(cell >= 0 && cell < 49 && seen.insert(cell).second, "course cells are distinct cells of the grid");
        if (i > 0) {
            const int previous = course[i - 1];
            const bool sideways = cell / 7 == previous / 7 && (cell - previous == 1 || previous - cell == 1);
            FuzzCheck(sideways || cell - previous == 7 || previous - cell == 7, "course cells are neighbours");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CBiteFolder folder;
    // Kept from run to run like the folder: a generation starts by setting every cell of its
    // level, so its 2500 blocks need not be allocated each time.
    static CRandomLevelGenerator generator;
    static CLevel again;
    FuzzedDataProvider input(data, size);
    const unsigned seed = input.ConsumeIntegral<unsigned>();
    for (const char* name : kBiteNames) {
        // A file half the time.
        const int choice = input.ConsumeIntegralInRange(0, 2 * kHostileFileKinds + 1);
        const int kind = choice > kHostileFileKinds + 1 ? 1 : choice;
        const std::string bytes = kind == 1 ? input.ConsumeRandomLengthString(kLargestFile) : std::string();
        if (DeclaredCells(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) > kLargestBiteCells)
            return -1; // not kept in the corpus
        folder.Put(name, kind, bytes);
    }

    generator.SetBiteFolder(folder.Path());
    std::srand(seed);
    generator.Generate();
    const CLevel& level = generator.GetLevel();
    FuzzCheck(level.GetWidth() == CRandomLevelGenerator::kLevelSize &&
                  level.GetHeight() == CRandomLevelGenerator::kLevelSize,
              "a random level is 50 x 50");
    CheckBallInside(level);
    CheckCourse(generator.GetCourse());
    CheckRoundTrip(level, again);
    return 0;
}
