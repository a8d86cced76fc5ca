#include "random/BiteWalk.h"

#include <cstdlib>

int CBiteWalk::TurnClockwise(int code)
{
    switch (code) {
    case 1:
        return kSide;
    case kSide:
        return -1;
    case -1:
        return -kSide;
    default:
        return 1;
    }
}

bool CBiteWalk::IsFree(int from, int code) const
{
    const int to = from + code;
    if (to < 0 || to >= kCells || m_cells[to] != 0)
        return false;
    // East and west moves must stay in the row.
    return (code != 1 && code != -1) || to / kSide == from / kSide;
}

int CBiteWalk::Run()
{
    static constexpr int kDrawnMove[4] = {-kSide, 1, kSide, -1}; // north, east, south, west
    m_cells.fill(0);
    const int start = std::rand() % kCells;
    int current = start;
    for (int move = 0; move < kMaxMoves; ++move) {
        int code = kDrawnMove[std::rand() % 4];
        int tries = 0;
        while (tries < 3 && !IsFree(current, code)) {
            code = TurnClockwise(code);
            ++tries;
        }
        if (tries == 3)
            break;
        m_cells[current] = code;
        current += code;
    }
    m_cells[current] = kEnd;
    return start;
}

int CBiteWalk::GetCode(int index) const
{
    return index >= 0 && index < kCells ? m_cells[index] : 0;
}

std::vector<int> CBiteWalk::GetCourse(int start) const
{
    std::vector<int> course;
    int cell = start;
    // A course visits each cell at most once, which also bounds the loop.
    while (course.size() < static_cast<std::size_t>(kCells) && GetCode(cell) != 0) {
        course.push_back(cell);
        if (!IsMove(GetCode(cell)))
            break;
        cell += GetCode(cell);
    }
    return course;
}
