// Playing shots as test mode does, and the shots the search tries.
#include "solve/ShotPlayer.h"
#include "solve/ShotSet.h"

#include "SolveLevels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <set>

namespace {

constexpr double kPi = std::numbers::pi;

// The strengths 3 k of a pointer anywhere on the ray: every cell whose pointer area the ray
// crosses (a border cell's area reaches out beyond the level, where the pointer is clamped onto
// the grid) gives the distance of its top-left corner.
std::set<int> MouseSteps(const CLevel& level, double x, double y, double heading)
{
    const double inf = std::numeric_limits<double>::infinity();
    // The ray's parameters from 0 on that lie in [low, high) along one axis.
    const auto span = [inf](double start, double direction, double low, double high) {
        if (direction == 0)
            return start >= low && start < high ? std::pair{0.0, inf} : std::pair{1.0, 0.0};
        const double a = (low - start) / direction;
        const double b = (high - start) / direction;
        return std::pair{std::max(0.0, std::min(a, b)), std::max(a, b)};
    };
    std::set<int> steps;
    const int width = level.GetWidth();
    const int height = level.GetHeight();
    for (int col = 0; col < width; ++col) {
        for (int row = 0; row < height; ++row) {
            const auto [x0, x1] = span(x, std::cos(heading), col == 0 ? -inf : col, col == width - 1 ? inf : col + 1);
            const auto [y0, y1] = span(y, std::sin(heading), row == 0 ? -inf : row, row == height - 1 ? inf : row + 1);
            if (std::max(x0, y0) < std::min(x1, y1))
                steps.insert(static_cast<int>(std::trunc(std::hypot(col - x, row - y))));
        }
    }
    return steps;
}

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

TEST(ShotSet, HeadingsInTheSearchOrder)
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
}

// Only the strengths the mouse gives along a heading; none above
// the strongest the shot set names for the ball's surroundings.
TEST(ShotSet, OnlyStrengthsTheMouseGivesAlongTheHeading)
{
    CLevel level = MakeCourse(13, 7, 0, 0);
    for (const auto& [x, y] : {std::pair{5.5, 5.5}, {0.35, 0.35}, {12.65, 3.2}, {6.0, 6.65}}) {
        for (int i = -12; i < 12; ++i) {
            const double heading = i * kPi / 12 + 0.01;
            std::vector<int> steps;
            CShotSet::GetStrengthSteps(level, x, y, heading, steps);
            const std::set<int> mouse = MouseSteps(level, x, y, heading);
            EXPECT_EQ(std::set<int>(steps.begin(), steps.end()), mouse) << x << ", " << y << " at " << heading;
            EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));
            // The bound the cup-reach check takes for any shot from a rectangle around the ball.
            EXPECT_LE(steps.back(), CShotSet::GetStrongestStep(level, x - 0.3, y - 0.3, x + 0.3, y + 0.3));
        }
    }
    // Up and right from near the top-left corner of a 12 x 12 level: the pointer leaves through
    // the top edge and ends in the top-right corner cell, 9.6 blocks away.
    level = MakeCourse(12, 12, 1.5, 1.5);
    std::vector<int> steps;
    CShotSet::GetStrengthSteps(level, 1.5, 1.5, -0.57595865315812877, steps);
    EXPECT_EQ(steps.back(), 9);
}

// On open grass a shot's neighbours within a degree come to rest where it does, turned about the
// start: a heading k steps away rests 2 L sin(k pi / 7200) from it, L the shot's length. So the
// share within half a block is known; shots into the cup or the water end alike at every heading.
TEST(ShotPlayer, ForgivenessIsTheShareOfNearbyHeadingsThatEndAlike)
{
    CLevel level = MakeCourse(60, 21, 5.5, 10.5);
    SetCell(level, 9, 3, Hole);
    SetCell(level, 5, 17, Water);
    CShotPlayer player(level);
    const CBallState start = CShotPlayer::StartState(level);
    for (const double strength : {6.0, 24.0}) {
        const CPlayedShot played = player.Play(start, {strength, 0});
        ASSERT_EQ(played.result, ShotRest);
        const double length = played.end.x - start.x;
        int alike = 0;
        for (int k = -20; k <= 20; ++k)
            alike += 2 * length * std::sin(std::abs(k) * kPi / 7200) <= 0.5;
        EXPECT_EQ(player.GetForgiveness(start, played), alike * 100 / 41) << strength << " rests " << length << " away";
    }
    EXPECT_EQ(player.GetForgiveness(start, player.Play(start, {9, std::atan2(-7.0, 4.0)})), 100);
    EXPECT_EQ(player.GetForgiveness(start, player.Play(start, {9, kPi / 2})), 100);
}

// A shot played only as far as it can still sink sinks exactly when the whole shot does.
TEST(ShotPlayer, PlayingForTheCupSinksExactlyWhenTheShotDoes)
{
    CLevel level = MakeCourse(16, 9, 2.5, 2.5);
    SetCell(level, 11, 4, Hole);
    level.FillRect(6, 1, 6, 2, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.FillRect(3, 6, 8, 6, Solid, 0, Water, NoSlope, Water, NoSlope);
    CShotPlayer player(level);
    const CBallState start = CShotPlayer::StartState(level);
    int sunk = 0;
    int cutShort = 0;
    for (int heading = 0; heading < 90; ++heading) {
        for (int k = 0; k <= 17; ++k) {
            const CShot shot{3.0 * k, heading * kPi / 45};
            const CPlayedShot whole = player.Play(start, shot);
            const CPlayedShot forCup = player.PlayForCup(start, shot);
            ASSERT_EQ(forCup.result == ShotCup, whole.result == ShotCup) << shot.strength << "@" << shot.angle;
            EXPECT_EQ(forCup.throughWall, whole.throughWall);
            sunk += whole.result == ShotCup;
            cutShort += forCup.steps < whole.steps;
        }
    }
    EXPECT_GT(sunk, 0);
    EXPECT_GT(cutShort, 90 * 18 / 3);
}
