#pragma once
#include "common/TestBlocks.h"

// Courses for the solver's tests, on MakeCourse's grass inside a wall border.

// The cup behind a wall from the top border down to row 4; the way round is the gap in row 5.
inline CLevel MakeBankLevel()
{
    CLevel level = MakeCourse(10, 7, 2.5, 2.5);
    level.FillRect(5, 1, 5, 4, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(level, 7, 2, Hole);
    return level;
}

// Three walls from alternate sides: no bank shot of eight headings gets round all of them. At 72
// headings a solution of three shots comes within a second, the proof that none of two exists
// takes minutes.
inline CLevel MakeWindingLevel()
{
    CLevel level = MakeCourse(14, 7, 1.5, 1.5);
    for (const int x : {3, 6, 9})
        level.FillRect(x, x == 6 ? 2 : 1, x, x == 6 ? 5 : 4, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.FillRect(11, 4, 11, 5, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(level, 12, 5, Hole);
    return level;
}
