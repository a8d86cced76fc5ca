#include "RandomFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include <sys/stat.h>

namespace {

constexpr int kSide = 7;

bool IsAreaEmpty(const CLevel& level, int left, int top, int width, int height)
{
    for (int x = left; x < left + width; ++x)
        for (int y = top; y < top + height; ++y)
            if (!level.GetBlock(x, y).IsEmpty())
                return false;
    return true;
}

bool IsCellEmpty(const CLevel& level, int cell)
{
    return IsAreaEmpty(level, cell % kSide * kSide, cell / kSide * kSide, kSide, kSide);
}

// Whether the straight cell k of the course runs on in the direction it was entered.
bool IsStraight(const std::vector<int>& course, std::size_t k)
{
    return k > 0 && k + 1 < course.size() && course[k + 1] - course[k] == course[k] - course[k - 1];
}

} // namespace

TEST(RandomLevel, CoursesAreSelfAvoidingPlayableWalks)
{
    for (unsigned seed = 0; seed < 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::vector<int> course;
        const CLevel level = GenerateWithSeed(seed, ShippedBiteFolder(), &course);
        // Two variant draws, the start cell, one direction draw per move plus the one that found
        // no way (unless all 14 moves were made), one corner draw per cell between start and end.
        const int moves = static_cast<int>(course.size()) - 1;
        const int draws = 3 + moves + (moves < 14 ? 1 : 0) + (moves - 1);
        const int next = std::rand();
        std::srand(seed);
        for (int i = 0; i < draws; ++i)
            std::rand();
        EXPECT_EQ(std::rand(), next);

        ASSERT_EQ(level.GetWidth(), 50);
        ASSERT_EQ(level.GetHeight(), 50);
        EXPECT_TRUE(IsAreaEmpty(level, 49, 0, 1, 50) && IsAreaEmpty(level, 0, 49, 50, 1));
        EXPECT_EQ(level.GetName() + level.GetCreator() + level.GetId(), "");
        ASSERT_GE(moves, 1);
        ASSERT_LE(moves, 14);
        const std::set<int> onCourse(course.begin(), course.end());
        EXPECT_EQ(onCourse.size(), course.size());
        for (int k = 1; k <= moves; ++k)
            EXPECT_EQ(std::abs(course[k] % kSide - course[k - 1] % kSide) +
                          std::abs(course[k] / kSide - course[k - 1] / kSide), 1);
        for (int cell = 0; cell < kSide * kSide; ++cell)
            EXPECT_EQ(IsCellEmpty(level, cell), onCourse.count(cell) == 0) << "cell " << cell;
        // The ball sits at the centre of the start cell whatever way the start bite faces.
        EXPECT_EQ(level.GetBallX(), course[0] % kSide * kSide + 3.5);
        EXPECT_EQ(level.GetBallY(), course[0] / kSide * kSide + 3.5);
        EXPECT_TRUE(IsPlayable(level));
    }
}

TEST(RandomLevel, StraightBiteKeepsTheHalfTurnOfNorthSouthRuns)
{
    CBiteFolderCopy bites("straight");
    CLevel straight = bites.Read("vetinte7.lev");
    straight.SetBlock(1, 1, Solid, 0, Sand, NoSlope, Grass, NoSlope);
    bites.Write("vetinte7.lev", straight);
    // Where the marker at (1, 1) lands after 0, 1, 2 and 3 quarter turns.
    const int marker[4][2] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    std::set<int> seenTurns;
    for (unsigned seed = 0; seed < 300; ++seed) {
        std::vector<int> course;
        const CLevel level = GenerateWithSeed(seed, bites.GetFolder(), &course);
        int northSouthBefore = 0;
        for (std::size_t k = 1; k + 1 < course.size(); ++k) {
            if (!IsStraight(course, k))
                continue;
            const bool northSouth = std::abs(course[k] - course[k - 1]) == kSide;
            const int turns = (northSouth ? 1 : 0) + 2 * (northSouthBefore % 2);
            seenTurns.insert(turns);
            for (int t = 0; t < 4; ++t)
                EXPECT_EQ(level.GetCellBackKind(course[k] % kSide * kSide + marker[t][0],
                                                course[k] / kSide * kSide + marker[t][1]) == Sand,
                          t == turns)
                    << "seed " << seed << ", straight cell " << course[k] << ", turn " << t;
            northSouthBefore += northSouth ? 1 : 0;
        }
    }
    EXPECT_EQ(seenTurns.size(), 4u);
}

TEST(RandomLevel, MissingAndUnreadableBitesBlankTheirSquares)
{
    CBiteFolderCopy bites("missing");
    std::filesystem::remove(bites.GetFolder() + "vetinte7.lev");
    int straightCells = 0;
    for (unsigned seed = 0; seed < 100; ++seed) {
        std::vector<int> course;
        const CLevel level = GenerateWithSeed(seed, bites.GetFolder(), &course);
        ASSERT_EQ(level.GetWidth(), 50);
        // A straight cell pastes 10 x 10 empty blocks; later cells only cover their own squares.
        for (std::size_t k = 1; k + 1 < course.size(); ++k)
            if (IsStraight(course, k)) {
                ++straightCells;
                EXPECT_TRUE(IsCellEmpty(level, course[k])) << "seed " << seed << ", cell " << course[k];
            }
    }
    EXPECT_GT(straightCells, 0);

    // A bite that is not a regular file is as good as missing, silently: a FIFO does not make the
    // generator wait for a writer, and /dev/zero does not fill the memory.
    const std::string missing = GenerateWithSeed(11, bites.GetFolder()).WriteText();
    const std::string straight = bites.GetFolder() + "vetinte7.lev";
    ASSERT_EQ(mkfifo(straight.c_str(), 0600), 0);
    EXPECT_EQ(GenerateWithSeed(11, bites.GetFolder()).WriteText(), missing);
    std::filesystem::remove(straight);
    std::filesystem::create_symlink("/dev/zero", straight);
    EXPECT_EQ(GenerateWithSeed(11, bites.GetFolder()).WriteText(), missing);

    // Without any bite the level stays empty and the ball is a new level's, turned once.
    std::vector<int> course;
    const CLevel level = GenerateWithSeed(5, bites.GetFolder() + "none/", &course);
    EXPECT_TRUE(IsAreaEmpty(level, 0, 0, 50, 50));
    EXPECT_EQ(level.GetBallX(), course[0] % kSide * kSide + 5.0);
    EXPECT_EQ(level.GetBallY(), course[0] / kSide * kSide + 5.0);
}

TEST(RandomLevel, BitesAreReadAfreshFromBesideTheProgram)
{
    CBiteFolderCopy bites("afresh");
    std::vector<int> course;
    const CLevel before = GenerateWithSeed(7, bites.GetFolder(), &course);
    const int x = course[0] % kSide * kSide + 3;
    const int y = course[0] / kSide * kSide + 3;
    EXPECT_NE(before.GetCellBackKind(x, y), Sand);
    for (const char* name : {"utslag7.lev", "runtutslag7.lev"}) {
        CLevel start = bites.Read(name);
        start.SetBlock(3, 3, Solid, 0, Sand, NoSlope, Grass, NoSlope);
        bites.Write(name, start);
    }
    EXPECT_EQ(GenerateWithSeed(7, bites.GetFolder()).GetCellBackKind(x, y), Sand);

    // By default the bites beside the binary are used, whatever the current directory.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(bites.GetFolder());
    CRandomLevelGenerator generator;
    std::srand(7);
    generator.Generate();
    std::filesystem::current_path(previous);
    EXPECT_EQ(generator.GetLevel().GetCellBackKind(x, y), before.GetCellBackKind(x, y));
    EXPECT_TRUE(IsPlayable(generator.GetLevel()));
}
