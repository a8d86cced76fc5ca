#include "solve/ShotSet.h"

#include "model/Level.h"
#include "sim/PortableMath.h"
#include "sim/ShotStrength.h"

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

namespace {

// One coordinate of the walk along the ray: the cell it is in, which way it moves, and the ray
// parameter at which it enters the next cell.
struct CAxisWalk {
    int cell = 0;
    int step = 0;
    double next = INFINITY;
    double delta = INFINITY;
    int last = 0; // the grid's last cell on this axis

    CAxisWalk(double start, double direction, int size) : last(size - 1)
    {
        const double floor = std::floor(start);
        cell = static_cast<int>(std::clamp(floor, -1.0, static_cast<double>(size)));
        if (direction > 0) {
            step = 1;
            delta = 1.0 / direction;
            next = (floor + 1.0 - start) * delta;
        } else if (direction < 0) {
            step = -1;
            delta = -1.0 / direction;
            // On a cell edge, moving down: the ray leaves that edge's lower cell at once.
            if (floor == start)
                --cell;
            next = (start - (floor == start ? floor - 1.0 : floor)) * delta;
        }
    }
    // Moving on no longer changes the clamped cell.
    bool Settled() const { return step == 0 || (step > 0 ? cell >= last : cell <= 0); }
    int Clamped() const { return std::clamp(cell, 0, last); }
    void Advance()
    {
        cell += step;
        next += delta;
    }
};

} // namespace

void CShotSet::GetStrengthSteps(const CLevel& level, double x, double y, double heading, std::vector<int>& steps)
{
    steps.clear();
    const int width = level.GetWidth();
    const int height = level.GetHeight();
    if (width <= 0 || height <= 0 || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(heading))
        return;
    const CSinCos direction = PortableSinCos(heading);
    CAxisWalk column(x, direction.cos, width);
    CAxisWalk row(y, direction.sin, height);
    // Marks by k; the walk meets at most width + height + 1 cells.
    std::vector<bool> given;
    while (true) {
        const double dx = column.Clamped() - x;
        const double dy = row.Clamped() - y;
        const auto k = static_cast<std::size_t>(GetShotStrengthStep(dx, dy));
        if (k >= given.size())
            given.resize(k + 1);
        given[k] = true;
        const bool columnSettled = column.Settled();
        const bool rowSettled = row.Settled();
        if (columnSettled && rowSettled)
            break;
        // Through a corner exactly, both at once.
        const bool moveColumn = !columnSettled && (rowSettled || column.next <= row.next);
        const bool moveRow = !rowSettled && (columnSettled || row.next <= column.next);
        if (moveColumn)
            column.Advance();
        if (moveRow)
            row.Advance();
    }
    for (std::size_t k = 0; k < given.size(); ++k) {
        if (given[k])
            steps.push_back(static_cast<int>(k));
    }
}

int CShotSet::GetStrongestStep(const CLevel& level, double x0, double y0, double x1, double y1)
{
    // The distance from the ball grows toward the grid's corners; the farthest cell is one of
    // them, and the farthest ball position a corner of the rectangle.
    int farthest = 0;
    for (const int col : {0, level.GetWidth() - 1}) {
        for (const int row : {0, level.GetHeight() - 1}) {
            const double dx = std::max(std::fabs(col - x0), std::fabs(col - x1));
            const double dy = std::max(std::fabs(row - y0), std::fabs(row - y1));
            farthest = std::max(farthest, GetShotStrengthStep(dx, dy));
        }
    }
    return farthest;
}
