#include "solve/CupDistance.h"

#include "model/Level.h"
#include "sim/PortableMath.h"

#include <cmath>
#include <deque>
#include <limits>

namespace {

bool HasKind(const CBlock& block, int kind)
{
    return block.GetBackKind() == kind || (!block.IsUniform() && block.GetFrontKind() == kind);
}

} // namespace

CCupDistance::CCupDistance(const CLevel& level)
    : m_width(level.GetWidth()), m_height(level.GetHeight()),
      m_steps(static_cast<std::size_t>(m_width) * m_height, kUnreachable)
{
    std::deque<int> queue;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (HasKind(level.GetBlock(x, y), Hole)) {
                m_steps[y * m_width + x] = 0;
                queue.push_back(y * m_width + x);
            }
        }
    }
    m_cups.assign(queue.begin(), queue.end());
    while (!queue.empty()) {
        const int cell = queue.front();
        queue.pop_front();
        const int x = cell % m_width;
        const int y = cell / m_width;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (!level.IsInside(nx, ny) || m_steps[ny * m_width + nx] != kUnreachable)
                continue;
            const CBlock block = level.GetBlock(nx, ny);
            if (block.IsUniform() && block.GetBackKind() == Wall)
                continue;
            m_steps[ny * m_width + nx] = m_steps[cell] + 1;
            queue.push_back(ny * m_width + nx);
        }
    }
}

int CCupDistance::At(double x, double y) const
{
    if (!(x >= 0 && y >= 0 && x < m_width && y < m_height))
        return kUnreachable;
    return m_steps[static_cast<int>(y) * m_width + static_cast<int>(x)];
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
