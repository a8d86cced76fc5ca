#pragma once
#include "model/Block.h"

#include <cstddef>
#include <vector>

// The cells of a level, column by column in one array: cell (x, y) is element x * height + y.
// A grid may have columns of no cells (a width and a height of 0), never cells without a column.
class CBlockGrid {
public:
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

    // The blocks of the overlap keep their cells, new cells hold empty blocks. Negative sizes
    // count as 0, and a width of 0 makes the height 0.
    void SetSize(int width, int height);
    // Moves every block to its cell after a quarter turn clockwise: (x, y) goes to
    // (height - 1 - y, x), and the grid becomes height x width.
    void TurnCellsClockwise();

    CBlock& At(int x, int y) { return m_cells[Index(x, y)]; }
    const CBlock& At(int x, int y) const { return m_cells[Index(x, y)]; }

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(x) * static_cast<std::size_t>(m_height) + static_cast<std::size_t>(y);
    }

    std::vector<CBlock> m_cells;
    int m_width = 0;
    int m_height = 0;
};
