#pragma once
#include <limits>
#include <vector>

class CLevel;

// How far a ball at a point is from the cup along the ground: in blocks, from the centre of its
// cell to the centre of the nearest cell with cup ground, in steps to the eight neighbours (a
// diagonal step only where both cells beside it are open too). Cells all wall or all water
// block the way; a ball never rests on them, and a shot over them ends or bounces. The search
// takes positions and headings in this order, nearest first, so that it meets a solution early;
// it decides nothing else.
class CCupDistance {
public:
    static constexpr double kUnreachable = std::numeric_limits<double>::infinity();

    explicit CCupDistance(const CLevel& level);

    bool HasCup() const { return !m_cups.empty(); }
    double At(double x, double y) const;
    // The heading from (x, y) to the nearest cup cell's centre (0 without cup ground), computed
    // the same on every machine.
    double HeadingToCup(double x, double y) const;

private:
    int m_width;
    int m_height;
    std::vector<double> m_distance;
    std::vector<int> m_cups; // the cells with cup ground, row by row
};
