#pragma once
#include "common/TestBlocks.h"

// Small courses for the solver's tests: grass inside a wall border, so that shots stay short.
inline CLevel MakeCourse(int width, int height, double ballX, double ballY)
{
    CLevel level;
    level.Init(width, height, "solve", "tests");
    level.Clear();
    level.DrawFrame(0, 0, width - 1, height - 1, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.SetBall(ballX, ballY);
    return level;
}

// The cup behind a wall from the top border down to row 4; the way round is the gap in row 5.
inline CLevel MakeBankLevel()
{
    CLevel level = MakeCourse(10, 7, 2.5, 2.5);
    level.FillRect(5, 1, 5, 4, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(level, 7, 2, Hole);
    return level;
}
