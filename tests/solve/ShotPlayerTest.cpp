// Playing shots as test mode does, and the shots the search tries.
#include "solve/ShotPlayer.h"
#include "solve/ShotSet.h"

#include "SolveLevels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

namespace {

constexpr double kPi = std::numbers::pi;

void ExpectSamePlay(const CPlayedShot& a, const CPlayedShot& b)
{
    EXPECT_EQ(a.result, b.result);
    EXPECT_EQ(a.steps, b.steps);
    EXPECT_EQ(a.end, b.end);
}

} // namespace

TEST(ShotPlayer, EachShotStartsFromWhatTheOneBeforeLeft)
{
    // Grass from x = 1 to 5, water beyond: a slow shot creeps into the water.
    CLevel level = MakeCourse(10, 3, 1.5, 1.5);
    level.FillRect(6, 1, 8, 1, Solid, 0, Water, NoSlope, Water, NoSlope);
    CShotPlayer player(level);
    const std::vector<CShot> shots{{3, 0}, {0, 0}, {6, kPi / 2}, {3, kPi}, {0, 1}};
    const std::vector<CPlayedShot> played = player.PlaySequence(shots, true);
    ASSERT_EQ(played.size(), shots.size());

    // The first shot was slow when it fell in: the ball is put back with the count it had then,
    // and the next shot, of strength 0, waits out the rest of that count.
    ASSERT_EQ(played[0].result, ShotWater);
    EXPECT_EQ(played[0].end, (CBallState{1.5, 1.5, played[0].end.slowSteps}));
    const int count = played[0].end.slowSteps;
    EXPECT_GT(count, 0);
    EXPECT_LT(count, 201);
    EXPECT_EQ(played[1].result, ShotRest);
    EXPECT_EQ(played[1].steps, 202 - count);
    EXPECT_EQ(played[1].end, (CBallState{1.5, 1.5, 201}));
    // From rest the count is full: strength 0 stops at once.
    EXPECT_EQ(played[4].steps, 1);

    // The search plays a shot from the state alone; it rolls as in the sequence, bit for bit.
    for (std::size_t i = 1; i < shots.size(); ++i)
        ExpectSamePlay(player.Play(played[i - 1].end, shots[i]), played[i]);

    // Paths: from the shot's start, after every step on the level, never the put-back point.
    EXPECT_EQ(played[0].path.size(), static_cast<std::size_t>(played[0].steps));
    EXPECT_GT(played[0].path.back().x, 5.9);
    EXPECT_EQ(played[2].path.size(), static_cast<std::size_t>(played[2].steps) + 1);
    EXPECT_EQ(played[2].path.front().y, 1.5);
    EXPECT_EQ(played[2].path.back().x, played[2].end.x);
}

TEST(ShotPlayer, SequenceStopsAtTheCupAndAtTheStepLimit)
{
    CLevel level = MakeCourse(10, 3, 1.5, 1.5);
    SetCell(level, 6, 1, Hole);
    CShotPlayer player(level);
    const std::vector<CPlayedShot> played = player.PlaySequence({{3, kPi}, {9, 0}, {3, 0}});
    ASSERT_EQ(played.size(), 2u);
    EXPECT_EQ(played[1].result, ShotCup);

    const CPlayedShot cut = player.Play(CShotPlayer::StartState(level), {9, 0}, false, 50);
    EXPECT_EQ(cut.result, ShotMoving);
    EXPECT_EQ(cut.steps, 50);
    // The ball is free again for the next shot.
    EXPECT_EQ(player.Play(CShotPlayer::StartState(level), {9, 0}).result, ShotCup);
}

TEST(ShotSet, HeadingsAndStrengthsAreWhatTheMouseGives)
{
    const CShotSet set(720);
    EXPECT_EQ(set.GetHeading(0), 0.0);
    EXPECT_EQ(set.GetHeading(180), kPi / 2);
    EXPECT_EQ(set.GetHeading(360), kPi);
    EXPECT_EQ(set.GetHeading(540), -kPi / 2);
    EXPECT_DOUBLE_EQ(set.GetHeading(719), -kPi / 360);
    EXPECT_EQ(CShotSet(0).GetHeadingCount(), 1);
    EXPECT_EQ(set.GetNearestHeading(-kPi / 2), 540);
    EXPECT_EQ(set.GetNearestHeading(2 * kPi - 1e-9), 0);
    EXPECT_EQ(set.GetNearestHeading(kPi / 4 + 0.001), 90);
    // Outward from the first heading, every heading once.
    for (const int count : {7, 8}) {
        const CShotSet small(count);
        std::set<int> seen;
        for (int rank = 0; rank < count; ++rank)
            seen.insert(small.GetHeadingByRank(count - 1, rank));
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(small.GetHeadingByRank(count - 1, 1), 0);
        EXPECT_EQ(small.GetHeadingByRank(count - 1, 2), count - 2);
    }

    // The mouse's strength for every cell the pointer can reach (the clamped cell under it):
    // the set gives exactly the strengths that some cell gives.
    CLevel level = MakeCourse(13, 7, 0, 0);
    for (const auto& [x, y] : {std::pair{5.5, 5.5}, {0.35, 0.35}, {12.65, 3.2}, {6.0, 6.65}}) {
        std::set<double> mouse;
        for (int col = 0; col < level.GetWidth(); ++col) {
            for (int row = 0; row < level.GetHeight(); ++row)
                mouse.insert(3.0 * std::trunc(std::sqrt((col - x) * (col - x) + (row - y) * (row - y))));
        }
        const int steps = CShotSet::GetStrengthSteps(level, x, y);
        std::set<double> solver;
        for (int k = 0; k <= steps; ++k)
            solver.insert(CShotSet::GetStrength(k));
        EXPECT_EQ(solver, mouse) << x << ", " << y;
    }
}
