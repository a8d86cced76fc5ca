#pragma once

class CLevel;

// The shots the search tries from a ball position. Headings: N evenly spaced, the i-th at
// i 2 pi / N, given in (-pi, pi] as the mouse's arc tangent gives them (i > N / 2 is taken as
// -(N - i) 2 pi / N). Strengths: 3 k for k = 0 to K, where 3 K is the strongest shot the mouse
// can give from there: test mode shoots with 3 x trunc of the distance from the ball to the cell
// under the pointer (clamped onto the grid), the cell given by its top-left corner, so K is
// trunc of the distance to the farthest corner cell. Every k in between is reachable too.
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
    // K for a ball at (x, y): the strengths are 0, 3, ..., 3 K.
    static int GetStrengthSteps(const CLevel& level, double x, double y);
    static double GetStrength(int step) { return 3.0 * step; }

private:
    int m_headings;
};
