#include "random/BiteWalk.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

constexpr int kSide = CBiteWalk::kSide;

// Whether a move from cell `from` stays on the grid, in the row for east-west moves, and lands
// on a cell the course has not visited.
bool IsFree(const std::set<int>& visited, int from, int move)
{
    const int to = from + move;
    if (to < 0 || to >= kSide * kSide || visited.count(to))
        return false;
    return (move != 1 && move != -1) || to / kSide == from / kSide;
}

int Clockwise(int move)
{
    return move == 1 ? kSide : move == kSide ? -1 : move == -1 ? -kSide : 1;
}

} // namespace

TEST(BiteWalk, EachMoveIsTheFirstFreeOfThreeClockwiseCandidates)
{
    const int drawnMove[4] = {-kSide, 1, kSide, -1};
    int boxedIn = 0;
    for (unsigned seed = 0; seed < 2000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CBiteWalk walk;
        std::srand(seed);
        const int start = walk.Run();
        const std::vector<int> course = walk.GetCourse(start);
        ASSERT_FALSE(course.empty());
        EXPECT_EQ(walk.GetCode(course.back()), CBiteWalk::kEnd);

        // Replay the draws: each move takes the drawn direction or the first free of its two
        // clockwise turns; a walk that stops early found all three taken.
        std::srand(seed);
        ASSERT_EQ(std::rand() % (kSide * kSide), start);
        std::set<int> visited{start};
        const int moves = static_cast<int>(course.size()) - 1;
        ASSERT_LE(moves, CBiteWalk::kMaxMoves);
        for (int k = 0; k <= moves && k < CBiteWalk::kMaxMoves; ++k) {
            int candidate = drawnMove[std::rand() % 4];
            int expected = 0;
            for (int tries = 0; tries < 3 && expected == 0; ++tries, candidate = Clockwise(candidate))
                if (IsFree(visited, course[k], candidate))
                    expected = candidate;
            if (k == moves) {
                EXPECT_EQ(expected, 0) << "walk stopped with a free candidate";
                ++boxedIn;
                break;
            }
            ASSERT_EQ(course[k + 1] - course[k], expected) << "move " << k;
            EXPECT_EQ(walk.GetCode(course[k]), expected);
            visited.insert(course[k + 1]);
        }
        for (int cell = 0; cell < kSide * kSide; ++cell)
            EXPECT_EQ(walk.GetCode(cell) != 0, visited.count(cell) == 1) << "cell " << cell;
    }
    // Both endings occur: boxed in early, and the full 14 moves.
    EXPECT_GT(boxedIn, 0);
    EXPECT_LT(boxedIn, 2000);
}
