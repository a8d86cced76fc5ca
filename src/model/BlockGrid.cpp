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
