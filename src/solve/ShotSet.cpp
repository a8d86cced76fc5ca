#include "solve/ShotSet.h"

#include "model/Level.h"

#include <algorithm>
#include <cmath>
#include <numbers>

CShotSet::CShotSet(int headings) : m_headings(std::clamp(headings, 1, kMaxHeadings)) {}

double CShotSet::GetHeading(int index) const
{
    const double turn = 2.0 * std::numbers::pi;
    if (index <= m_headings / 2)
        return turn * index / m_headings;
    return -(turn * (m_headings - index) / m_headings);
}

int CShotSet::GetNearestHeading(double angle) const
{
    if (!std::isfinite(angle))
        return 0;
    const double turns = angle / (2.0 * std::numbers::pi);
    const double index = std::round((turns - std::floor(turns)) * m_headings);
    return static_cast<int>(index) % m_headings;
}

int CShotSet::GetHeadingByRank(int first, int rank) const
{
    const int offset = rank % 2 ? (rank + 1) / 2 : -(rank / 2);
    return ((first + offset) % m_headings + m_headings) % m_headings;
}

int CShotSet::GetStrengthSteps(const CLevel& level, double x, double y)
{
    // The distance from the ball grows toward the grid's corners; the farthest cell is one of them.
    double farthest = 0.0;
    for (const int col : {0, level.GetWidth() - 1}) {
        for (const int row : {0, level.GetHeight() - 1})
            farthest = std::max(farthest, std::trunc(std::sqrt((col - x) * (col - x) + (row - y) * (row - y))));
    }
    return static_cast<int>(farthest);
}
