#include "random/RandomLevelGenerator.h"

#include "common/LevelBytes.h"
#include "common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <queue>
#include <set>
#include <string>
#include <vector>

namespace {

std::string ShippedBiteFolder() { return QV_TEST_SOURCE_DIR "/data/RBites/"; }

// A copy of the shipped bites in the test's own folder, to change or remove bites in.
class RandomLevel : public CScratchTest {
protected:
    void SetUp() override
    {
        CScratchTest::SetUp();
        fs::copy(ShippedBiteFolder(), m_dir);
        m_bites = m_dir.string() + "/";
    }
    // Loads a bite, lets change change it and stores it back.
    void ChangeBite(const std::string& file, const std::function<void(CLevel&)>& change) const
    {
        CLevel bite;
        ASSERT_TRUE(bite.LoadFromFile(m_bites + file));
        change(bite);
        std::ofstream(m_bites + file, std::ios::binary | std::ios::trunc) << FileBytes(bite);
    }

    std::string m_bites;
};

// Seeds rand() and generates one level from the bites in folder; optionally hands back the course.
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

// Whether a ball can roll from the level's ball start to a cup. The level is sampled four times
// per block each way; a sample is open when the ground there is neither wall nor water and the
// level goes on around it. The ball (0.7 blocks across) fits where a sample and its eight
// neighbours are open; the course is playable when such samples join the ball start's sample
// to a Hole sample through shared sides.
bool IsPlayable(const CLevel& level)
{
    constexpr int kSamples = 4;
    const int w = level.GetWidth() * kSamples;
    const int h = level.GetHeight() * kSamples;
    auto kind = [&](int i, int j) { return level.GetKindAt((i + 0.5) / kSamples, (j + 0.5) / kSamples); };
    auto fits = [&](int i, int j) {
        for (int a = i - 1; a <= i + 1; ++a)
            for (int b = j - 1; b <= j + 1; ++b)
                if (a < 0 || b < 0 || a >= w || b >= h || kind(a, b) == Wall || kind(a, b) == Water)
                    return false;
        return true;
    };
    std::vector<bool> seen(static_cast<std::size_t>(w) * h, false);
    std::queue<std::pair<int, int>> todo;
    auto visit = [&](int i, int j) {
        if (fits(i, j) && !seen[static_cast<std::size_t>(j) * w + i]) {
            seen[static_cast<std::size_t>(j) * w + i] = true;
            todo.emplace(i, j);
        }
    };
    visit(static_cast<int>(level.GetBallX() * kSamples), static_cast<int>(level.GetBallY() * kSamples));
    while (!todo.empty()) {
        const auto [i, j] = todo.front();
        todo.pop();
        if (kind(i, j) == Hole)
            return true;
        visit(i + 1, j);
        visit(i - 1, j);
        visit(i, j + 1);
        visit(i, j - 1);
    }
    return false;
}

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

TEST(RandomLevelGenerator, EveryCourseCellHasABiteAndTheLevelIsPlayable)
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
        // The walk's own moves are BiteWalkTest's; here every cell of the course gets a bite.
        const std::set<int> onCourse(course.begin(), course.end());
        for (int cell = 0; cell < kSide * kSide; ++cell)
            EXPECT_EQ(IsCellEmpty(level, cell), onCourse.count(cell) == 0) << "cell " << cell;
        // The ball sits at the centre of the start cell whatever way the start bite faces.
        EXPECT_EQ(level.GetBallX(), course[0] % kSide * kSide + 3.5);
        EXPECT_EQ(level.GetBallY(), course[0] / kSide * kSide + 3.5);
        EXPECT_TRUE(IsPlayable(level));
    }
}

TEST_F(RandomLevel, StraightBiteKeepsTheHalfTurnOfNorthSouthRuns)
{
    ChangeBite("vetinte7.lev", [](CLevel& bite) { bite.SetBlock(1, 1, Solid, 0, Sand, NoSlope, Grass, NoSlope); });
    // Where the marker at (1, 1) lands after 0, 1, 2 and 3 quarter turns.
    const int marker[4][2] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    std::set<int> seenTurns;
    for (unsigned seed = 0; seed < 300; ++seed) {
        std::vector<int> course;
        const CLevel level = GenerateWithSeed(seed, m_bites, &course);
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

TEST_F(RandomLevel, MissingBitesBlankTheirSquares)
{
    fs::remove(m_bites + "vetinte7.lev");
    int straightCells = 0;
    for (unsigned seed = 0; seed < 100; ++seed) {
        std::vector<int> course;
        const CLevel level = GenerateWithSeed(seed, m_bites, &course);
        // A straight cell pastes 10 x 10 empty blocks; later cells only cover their own squares.
        for (std::size_t k = 1; k + 1 < course.size(); ++k)
            if (IsStraight(course, k)) {
                ++straightCells;
                EXPECT_TRUE(IsCellEmpty(level, course[k])) << "seed " << seed << ", cell " << course[k];
            }
    }
    EXPECT_GT(straightCells, 0);

    // Without any bite the level stays empty and the ball is a new level's, turned once.
    std::vector<int> course;
    const CLevel level = GenerateWithSeed(5, m_bites + "none/", &course);
    EXPECT_TRUE(IsAreaEmpty(level, 0, 0, 50, 50));
    EXPECT_EQ(level.GetBallX(), course[0] % kSide * kSide + 5.0);
    EXPECT_EQ(level.GetBallY(), course[0] / kSide * kSide + 5.0);
}

TEST_F(RandomLevel, BitesAreReadAfresh)
{
    std::vector<int> course;
    const CLevel before = GenerateWithSeed(7, m_bites, &course);
    EXPECT_NE(before.GetCellBackKind(course[0] % kSide * kSide + 3, course[0] / kSide * kSide + 3), Sand);
    // A sand cell in the start bites and their ball off the centre, which is read in the bite's
    // resting state (a quarter turn from home) whichever way the bite was pasted.
    for (const char* name : {"utslag7.lev", "runtutslag7.lev"})
        ChangeBite(name, [](CLevel& start) {
            start.SetBlock(3, 3, Solid, 0, Sand, NoSlope, Grass, NoSlope);
            start.SetBall(3.5, 1.5);
        });
    for (unsigned seed = 0; seed < 8; ++seed) {
        const CLevel level = GenerateWithSeed(seed, m_bites, &course);
        const int left = course[0] % kSide * kSide;
        const int top = course[0] / kSide * kSide;
        EXPECT_EQ(level.GetCellBackKind(left + 3, top + 3), Sand) << seed;
        EXPECT_EQ(level.GetBallX(), left + 5.5) << seed;
        EXPECT_EQ(level.GetBallY(), top + 3.5) << seed;
    }
}
