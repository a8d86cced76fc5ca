#pragma once
#include "model/Block.h"

#include <memory>
#include <vector>

// The cells of a level: columns of owned blocks, element y of column x being cell (x, y).
// Every level operation keeps all columns the same length.
class CBlockGrid {
public:
    CBlockGrid() = default;
    CBlockGrid(const CBlockGrid&) = delete;
    CBlockGrid& operator=(const CBlockGrid&) = delete;
    virtual ~CBlockGrid() = default;

    virtual std::unique_ptr<CBlock> CreateBlock() const { return std::make_unique<CBlock>(); }

    int GetWidth() const { return static_cast<int>(m_columns.size()); }
    int GetHeight() const { return m_columns.empty() ? 0 : static_cast<int>(m_columns.front().size()); }

    // Adds or removes columns; new columns get as many new blocks as column 0 has.
    void SetWidth(int width);
    // Lengthens or shortens every column to the given number of cells.
    void SetHeight(int height);
    void SetSize(int width, int height);
    // Moves every block to its cell after a quarter turn clockwise: (x, y) goes to
    // (height - 1 - y, x), and the grid becomes height x width. The blocks themselves move; none is
    // created or copied.
    void TurnCellsClockwise();

    CBlock& At(int x, int y) { return *m_columns[x][y]; }
    const CBlock& At(int x, int y) const { return *m_columns[x][y]; }

private:
    using Column = std::vector<std::unique_ptr<CBlock>>;
    void SetColumnLength(Column& column, int length);

    std::vector<Column> m_columns;
};
