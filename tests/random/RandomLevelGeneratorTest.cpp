#include "BiteFiles.h"
#include "CoursePath.h"

#include "random/RandomLevelGenerator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

namespace {

constexpr int kSide = 7;

int Column(int cell) { return cell % kSide; }
int Row(int cell) { return cell / kSide; }

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
    return IsAreaEmpty(level, Column(cell) * kSide, Row(cell) * kSide, kSide, kSide);
}

CLevel GenerateWithSeed(unsigned seed, const std::string& folder, std::vector<int>* course = nullptr)
{
    CRandomLevelGenerator generator;
    generator.SetBiteFolder(folder);
    std::srand(seed);
    generator.Generate();
    if (course)
        *course = generator.GetCourse();
    return generator.GetLevel();
}

// Whether the next rand() values are those that follow `draws` values after srand(seed).
bool NextDrawsFollow(unsigned seed, int draws)
{
    const int next[3] = {std::rand(), std::rand(), std::rand()};
    std::srand(seed);
    for (int i = 0; i < draws; ++i)
        std::rand();
    return std::rand() == next[0] && std::rand() == next[1] && std::rand() == next[2];
}

} // namespace

TEST(RandomLevel, CoursesAreSelfAvoidingWalksOfPlayableBites)
{
    const std::string folder = ShippedBiteFolder();
    for (unsigned seed = 0; seed < 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CRandomLevelGenerator generator;
        generator.SetBiteFolder(folder);
        std::srand(seed);
        generator.Generate();
        const CLevel& level = generator.GetLevel();
        const std::vector<int>& course = generator.GetCourse();

        ASSERT_EQ(level.GetWidth(), 50);
        ASSERT_EQ(level.GetHeight(), 50);
        EXPECT_TRUE(IsAreaEmpty(level, 49, 0, 1, 50));
        EXPECT_TRUE(IsAreaEmpty(level, 0, 49, 50, 1));
        EXPECT_EQ(level.GetName(), "");
        EXPECT_EQ(level.GetCreator(), "");
        EXPECT_EQ(level.GetId(), "");
        EXPECT_TRUE(level.IsModified());

        ASSERT_GE(course.size(), 2u);
        ASSERT_LE(course.size(), 15u);
        EXPECT_EQ(std::set<int>(course.begin(), course.end()).size(), course.size());
        for (std::size_t k = 1; k < course.size(); ++k) {
            const int dc = std::abs(Column(course[k]) - Column(course[k - 1]));
            const int dr = std::abs(Row(course[k]) - Row(course[k - 1]));
            EXPECT_EQ(dc + dr, 1) << "cells " << course[k - 1] << " and " << course[k];
        }
        const std::set<int> onCourse(course.begin(), course.end());
        for (int cell = 0; cell < kSide * kSide; ++cell)
            EXPECT_EQ(IsCellEmpty(level, cell), !onCourse.count(cell)) << "cell " << cell;

        // The ball sits at the centre of the start cell whatever way the start bite faces.
        EXPECT_EQ(level.GetBallX(), Column(course[0]) * kSide + 3.5);
        EXPECT_EQ(level.GetBallY(), Row(course[0]) * kSide + 3.5);
        EXPECT_TRUE(IsPlayable(level));

        // Two variant draws, the start cell, one direction draw per move plus the one that found
        // no way (unless all 14 moves were made), one corner draw per cell between start and end.
        const int moves = static_cast<int>(course.size()) - 1;
        const int draws = 3 + moves + (moves < 14 ? 1 : 0) + (moves - 1);
        EXPECT_TRUE(NextDrawsFollow(seed, draws));
    }
}

TEST(RandomLevel, StraightBiteKeepsTheHalfTurnOfNorthSouthRuns)
{
    // A straight bite with a marker at (1, 1) shows where each straight cell left it.
    CBiteFolderCopy bites("straight");
    CLevel straight = bites.Read("vetinte7.lev");
    straight.SetBlock(1, 1, Solid, 0, Sand, NoSlope, Grass, NoSlope);
    bites.Write("vetinte7.lev", straight);

    // Marker positions: stored, one, two and three quarter turns.
    const int marker[4][2] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    std::set<int> seenTurns;
    for (unsigned seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::vector<int> course;
        const CLevel level = GenerateWithSeed(seed, bites.GetFolder(), &course);
        int northSouthBefore = 0;
        for (std::size_t k = 1; k + 1 < course.size(); ++k) {
            const int in = course[k] - course[k - 1];
            if (course[k + 1] - course[k] != in)
                continue;
            const bool northSouth = in == kSide || in == -kSide;
            const int turns = (northSouth ? 1 : 0) + 2 * (northSouthBefore % 2);
            seenTurns.insert(turns);
            const int left = Column(course[k]) * kSide;
            const int top = Row(course[k]) * kSide;
            for (int t = 0; t < 4; ++t)
                EXPECT_EQ(level.GetCellBackKind(left + marker[t][0], top + marker[t][1]) == Sand, t == turns)
                    << "straight cell " << course[k] << ", marker turn " << t;
            northSouthBefore += northSouth ? 1 : 0;
        }
    }
    EXPECT_EQ(seenTurns.size(), 4u);
}

TEST(RandomLevel, MissingBitesBlankTheirSquares)
{
    CBiteFolderCopy bites("missing");
    bites.Remove("vetinte7.lev");
    int straightCells = 0;
    for (unsigned seed = 0; seed < 100; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::vector<int> course;
        const CLevel level = GenerateWithSeed(seed, bites.GetFolder(), &course);
        ASSERT_EQ(level.GetWidth(), 50);
        // A straight cell pastes 10 x 10 empty blocks; later cells only cover their own squares.
        for (std::size_t k = 1; k + 1 < course.size(); ++k) {
            if (course[k + 1] - course[k] != course[k] - course[k - 1])
                continue;
            ++straightCells;
            EXPECT_TRUE(IsCellEmpty(level, course[k])) << "straight cell " << course[k];
        }
    }
    EXPECT_GT(straightCells, 0);

    // Without any bite the level stays empty and the ball is that of a new level, turned once.
    std::vector<int> course;
    const CLevel level = GenerateWithSeed(5, bites.GetFolder() + "no-such-folder/", &course);
    EXPECT_TRUE(IsAreaEmpty(level, 0, 0, 50, 50));
    EXPECT_EQ(level.GetBallX(), Column(course[0]) * kSide + 5.0);
    EXPECT_EQ(level.GetBallY(), Row(course[0]) * kSide + 5.0);
}

TEST(RandomLevel, BitesAreReadAfreshForEveryGeneration)
{
    CBiteFolderCopy bites("afresh");
    std::vector<int> course;
    const CLevel before = GenerateWithSeed(7, bites.GetFolder(), &course);
    const int centreX = Column(course[0]) * kSide + 3;
    const int centreY = Row(course[0]) * kSide + 3;
    EXPECT_NE(before.GetCellBackKind(centreX, centreY), Sand);

    for (const char* name : {"utslag7.lev", "runtutslag7.lev"}) {
        CLevel start = bites.Read(name);
        start.SetBlock(3, 3, Solid, 0, Sand, NoSlope, Grass, NoSlope);
        bites.Write(name, start);
    }
    const CLevel after = GenerateWithSeed(7, bites.GetFolder());
    EXPECT_EQ(after.GetCellBackKind(centreX, centreY), Sand);
}

TEST(RandomLevel, DefaultBiteFolderIsBesideTheProgram)
{
    // The bites are found beside the test binary whatever the current directory.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    CRandomLevelGenerator generator;
    std::srand(3);
    generator.Generate();
    std::filesystem::current_path(previous);
    EXPECT_FALSE(IsAreaEmpty(generator.GetLevel(), 0, 0, 50, 50));
    EXPECT_TRUE(IsPlayable(generator.GetLevel()));
}
