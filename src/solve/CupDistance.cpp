#include "solve/CupDistance.h"

#include "model/Level.h"
#include "sim/PortableMath.h"

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <queue>

namespace {

bool HasKind(const CBlock& block, int kind)
{
    return block.GetBackKind() == kind || (!block.IsUniform() && block.GetFrontKind() == kind);
}

bool IsOpen(const CBlock& block)
{
    return !block.IsUniform() || (block.GetBackKind() != Wall && block.GetBackKind() != Water);
}

} // namespace

CCupDistance::CCupDistance(const CLevel& level)
    : m_width(level.GetWidth()), m_height(level.GetHeight()),
      m_distance(static_cast<std::size_t>(m_width) * m_height, kUnreachable)
{
    std::vector<bool> open(m_distance.size());
    using CEntry = std::pair<double, int>;
    std::priority_queue<CEntry, std::vector<CEntry>, std::greater<>> queue;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const CBlock& block = *level.FindBlock(x, y);
            open[y * m_width + x] = IsOpen(block);
            if (HasKind(block, Hole)) {
                m_distance[y * m_width + x] = 0;
                m_cups.push_back(y * m_width + x);
                queue.emplace(0.0, y * m_width + x);
            }
        }
    }
    const auto isOpen = [&](int x, int y) { return level.IsInside(x, y) && open[y * m_width + x]; };
    while (!queue.empty()) {
        const auto [distance, cell] = queue.top();
        queue.pop();
        if (distance > m_distance[cell])
            continue;
        const int x = cell % m_width;
        const int y = cell / m_width;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if ((dx == 0 && dy == 0) || !isOpen(x + dx, y + dy) ||
                    (dx != 0 && dy != 0 && (!isOpen(x + dx, y) || !isOpen(x, y + dy))))
                    continue;
                const int next = (y + dy) * m_width + x + dx;
                const double through = distance + (dx != 0 && dy != 0 ? std::numbers::sqrt2 : 1.0);
                if (through < m_distance[next]) {
                    m_distance[next] = through;
                    queue.emplace(through, next);
                }
            }
        }
    }
}

double CCupDistance::At(double x, double y) const
{
    if (!(x >= 0 && y >= 0 && x < m_width && y < m_height))
        return kUnreachable;
    return m_distance[static_cast<int>(y) * m_width + static_cast<int>(x)];
}

double CCupDistance::HeadingToCup(double x, double y) const
{
    double nearest = std::numeric_limits<double>::infinity();
    double heading = 0.0;
    for (const int cell : m_cups) {
        const double dx = cell % m_width + 0.5 - x;
        const double dy = cell / m_width + 0.5 - y;
        if (dx * dx + dy * dy < nearest) {
            nearest = dx * dx + dy * dy;
            heading = PortableAtan2(dy, dx);
        }
    }
    return heading;
}
