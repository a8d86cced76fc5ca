#pragma once
#include <limits>
#include <vector>

class CLevel;

// How far a ball at a point is from the cup: in cells, counted in steps between side neighbours
// that are not all wall, from the nearest cell with cup ground; and the heading straight to the
// centre of the nearest such cell. The search takes positions and headings in this order,
// nearest first, so that it meets a solution early; it decides nothing else.
class CCupDistance {
public:
    static constexpr int kUnreachable = std::numeric_limits<int>::max();

    explicit CCupDistance(const CLevel& level);

    bool HasCup() const { return !m_cups.empty(); }
    int At(double x, double y) const;
    // The heading from (x, y) to the nearest cup cell's centre (0 without cup ground), computed
    // the same on every machine.
    double HeadingToCup(double x, double y) const;

private:
    int m_width;
    int m_height;
    std::vector<int> m_steps;
    std::vector<int> m_cups; // the cells with cup ground, row by row
};
