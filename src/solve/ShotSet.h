#pragma once
#include "sim/ShotStrength.h"

#include <vector>

class CLevel;

// The shots the search tries from a ball position: N evenly spaced headings, each with the
// strengths the test-mode mouse can give along it.
//
// Headings: the i-th at i 2 pi / N, given in (-pi, pi] as the mouse's arc tangent gives them
// (i > N / 2 is taken as -(N - i) 2 pi / N).
//
// Strengths: test mode shoots toward the pointer with 3 x trunc of the distance from the ball's
// centre to the top-left corner of the cell under the pointer, that cell clamped onto the grid.
// A pointer anywhere on the ray from the ball's centre at heading A gives A, so the strengths of
// A are those of the cells the ray passes through inside the level and, beyond it, of the border
// cells the clamping maps its points to: along the border while one coordinate is still inside
// the level, then the corner. Not every multiple of 3 up to the strongest need be among them.
class CShotSet {
public:
    static constexpr int kDefaultHeadings = 720;
    static constexpr int kMaxHeadings = 1 << 20;

    // A count outside 1 to kMaxHeadings is taken as the nearest one inside.
    explicit CShotSet(int headings = kDefaultHeadings);

    int GetHeadingCount() const { return m_headings; }
    double GetHeading(int index) const;
    // The index of the heading nearest the angle (radians, any turn).
    int GetNearestHeading(double angle) const;
    // The headings in the order of their distance from the first: first, first + 1, first - 1,
    // first + 2 and so on; rank 0 to count - 1 gives each index once.
    int GetHeadingByRank(int first, int rank) const;

    // The k of the strengths 3 k the mouse gives along the heading from a ball at (x, y),
    // ascending, each once (steps is overwritten).
    static void GetStrengthSteps(const CLevel& level, double x, double y, double heading, std::vector<int>& steps);
    // The largest k any heading gives from a ball anywhere in the cell rectangle [x0, x1] x
    // [y0, y1]: the pointer's farthest cell is a corner of the grid.
    static int GetStrongestStep(const CLevel& level, double x0, double y0, double x1, double y1);
    static double GetStrength(int step) { return GetShotStrength(step); }

private:
    int m_headings;
};
