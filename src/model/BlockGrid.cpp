#include "model/BlockGrid.h"

#include <algorithm>

void CBlockGrid::SetWidth(int width)
{
    const int old = GetWidth();
    width = std::max(width, 0);
    if (width == old)
        return;
    if (width < old) {
        m_columns.resize(width);
        return;
    }
    const int height = GetHeight();
    m_columns.resize(width);
    if (old == 0)
        return; // the new columns stay empty: there was no column 0 to take a height from
    for (int x = old; x < width; ++x)
        SetColumnLength(m_columns[x], height);
}

void CBlockGrid::SetHeight(int height)
{
    height = std::max(height, 0);
    for (Column& column : m_columns)
        SetColumnLength(column, height);
}

void CBlockGrid::SetSize(int width, int height)
{
    SetWidth(width);
    SetHeight(height);
}

void CBlockGrid::SetColumnLength(Column& column, int length)
{
    const int old = static_cast<int>(column.size());
    column.resize(length);
    for (int y = old; y < length; ++y)
        column[y] = CreateBlock();
}

void CBlockGrid::TurnCellsClockwise()
{
    const int width = GetWidth();
    const int height = GetHeight();
    std::vector<Column> turned(height);
    for (Column& column : turned)
        column.resize(width);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            turned[height - 1 - y][x] = std::move(m_columns[x][y]);
    m_columns = std::move(turned);
}
