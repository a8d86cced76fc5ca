#include "random/BiteWalk.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

// Replays the draws of many walks: each move is the drawn direction or the first free one of
// its next two clockwise turns (never the fourth), and a walk that stops early found all three
// taken.
TEST(BiteWalk, EachMoveIsTheFirstFreeOfThreeClockwiseCandidates)
{
    constexpr int n = CBiteWalk::kSide;
    const int drawnMove[4] = {-n, 1, n, -1};
    auto clockwise = [](int move) { return move == 1 ? n : move == n ? -1 : move == -1 ? -n : 1; };
    int boxedIn = 0;
    for (unsigned seed = 0; seed < 2000; ++seed) {
        CBiteWalk walk;
        std::srand(seed);
        const std::vector<int> course = walk.GetCourse(walk.Run());
        const int moves = static_cast<int>(course.size()) - 1;
        ASSERT_LE(moves, CBiteWalk::kMaxMoves);
        EXPECT_EQ(walk.GetCode(course.back()), CBiteWalk::kEnd);

        std::srand(seed);
        ASSERT_EQ(std::rand() % (n * n), course[0]);
        std::set<int> visited{course[0]};
        for (int k = 0; k < CBiteWalk::kMaxMoves && k <= moves; ++k) {
            int candidate = drawnMove[std::rand() % 4];
            int chosen = 0;
            for (int tries = 0; tries < 3 && chosen == 0; ++tries, candidate = clockwise(candidate)) {
                const int to = course[k] + candidate;
                const bool sameRow = to / n == course[k] / n;
                if (to >= 0 && to < n * n && !visited.count(to) && (sameRow || std::abs(candidate) == n))
                    chosen = candidate;
            }
            if (k == moves) {
                EXPECT_EQ(chosen, 0) << "seed " << seed << ": the walk stopped with a free candidate";
                ++boxedIn;
                break;
            }
            ASSERT_EQ(course[k + 1] - course[k], chosen) << "seed " << seed << ", move " << k;
            visited.insert(course[k + 1]);
        }
    }
    // Both endings occur: boxed in early, and all 14 moves made.
    EXPECT_GT(boxedIn, 0);
    EXPECT_LT(boxedIn, 2000);
}
