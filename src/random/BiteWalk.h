#pragma once
#include <array>
#include <vector>

// The course of a random level: a self-avoiding walk over a 7 x 7 grid of bite cells. Cell
// index i is column i % 7, row i / 7 (row 0 at the top). Each cell holds the index step of the
// move that leaves it: +1 east, -1 west, +7 south, -7 north, kEnd for the last cell of the
// course and 0 for a cell off the course.
class CBiteWalk {
public:
    static constexpr int kSide = 7;
    static constexpr int kCells = kSide * kSide;
    static constexpr int kMaxMoves = 2 * kSide;
    static constexpr int kEnd = -2;

    // Clears the grid and walks a new course with rand(); returns the start cell. One draw picks
    // the start, then one draw per attempted move: the drawn direction, its clockwise quarter
    // turn and the turn after that are tried in this order, and the walk ends when none of the
    // three is free or after kMaxMoves moves.
    int Run();

    // The code held by a cell; 0 for an index outside the grid.
    int GetCode(int index) const;
    // The cells of the course from start to its last cell, following the codes.
    std::vector<int> GetCourse(int start) const;

    static bool IsMove(int code) { return code == 1 || code == -1 || code == kSide || code == -kSide; }
    // The clockwise quarter turn of a move: east, south, west, north, east.
    static int TurnClockwise(int code);

private:
    bool IsFree(int from, int code) const;

    std::array<int, kCells> m_cells{};
};
