#include "model/BlockGrid.h"

#include <algorithm>

void CBlockGrid::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = width == 0 ? 0 : std::max(height, 0);
    if (width == m_width && height == m_height)
        return;
    std::vector<CBlock> cells;
    if (height == m_height) {
        cells = std::move(m_cells); // whole columns come and go at the end
        cells.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    } else {
        cells.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        const int keptRows = std::min(height, m_height);
        for (int x = 0; keptRows > 0 && x < std::min(width, m_width); ++x)
            std::copy_n(&At(x, 0), keptRows, &cells[static_cast<std::size_t>(x) * static_cast<std::size_t>(height)]);
    }
    m_cells = std::move(cells);
    m_width = width;
    m_height = height;
}

void CBlockGrid::TurnCellsClockwise()
{
    std::vector<CBlock> turned(m_cells.size());
    // After the turn the grid is m_height wide and m_width high.
    for (int x = 0; x < m_width; ++x)
        for (int y = 0; y < m_height; ++y)
            turned[static_cast<std::size_t>(m_height - 1 - y) * static_cast<std::size_t>(m_width) + x] = At(x, y);
    m_cells = std::move(turned);
    std::swap(m_width, m_height);
}
