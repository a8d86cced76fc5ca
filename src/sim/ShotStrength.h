#pragma once
#include <cmath>

// The strength of a test-mode shot. The mouse shoots toward the pointer with 3 k blocks per time
// unit, k being the whole blocks from the ball's centre to the top-left corner of the cell under
// the pointer (clamped onto the grid), which lies (dx, dy) blocks away.
inline int GetShotStrengthStep(double dx, double dy)
{
    return static_cast<int>(std::trunc(std::sqrt(dx * dx + dy * dy)));
}

inline double GetShotStrength(int step)
{
    return 3.0 * step;
}
