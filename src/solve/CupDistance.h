#pragma once
#include <limits>
#include <vector>

class CLevel;

// How many cells a ball at a point is from the nearest cell with cup ground, counted in steps
// between side neighbours that are not all wall. The search orders the positions it expands by
// it, nearest first, so that it meets a solution early; it decides nothing else.
class CCupDistance {
public:
    static constexpr int kUnreachable = std::numeric_limits<int>::max();

    explicit CCupDistance(const CLevel& level);

    bool HasCup() const { return m_hasCup; }
    int At(double x, double y) const;

private:
    int m_width;
    int m_height;
    bool m_hasCup = false;
    std::vector<int> m_steps;
};
