// Edits of CLevel that work on regions or the whole grid: the flood fill, the one-cell shift of
// the arrow keys, and cropping to the used area.
#include "model/Level.h"

#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

void CLevel::FloodFill(int x, int y, const CBlock& fill)
{
    if (!IsInside(x, y))
        return;
    const CBlock start = GetBlock(x, y);
    if (start == fill)
        return;
    // Equality is one-sided, so a filled cell can still equal the start block; the visited mark
    // keeps every cell to one visit and the fill finite.
    const int height = GetHeight();
    std::vector<bool> visited(static_cast<std::size_t>(GetWidth()) * height, false);
    std::deque<std::pair<int, int>> work;
    work.emplace_back(x, y);
    while (!work.empty()) {
        const auto [px, py] = work.back();
        work.pop_back();
        if (!IsInside(px, py))
            continue;
        const std::size_t index = static_cast<std::size_t>(px) * height + py;
        if (visited[index] || !(m_grid.At(px, py) == start))
            continue;
        visited[index] = true;
        SetBlock(px, py, fill);
        work.emplace_back(px, py + 1);
        work.emplace_back(px + 1, py);
        work.emplace_back(px, py - 1);
        work.emplace_back(px - 1, py);
    }
}

void CLevel::Shift(int dx, int dy)
{
    // A shift by the whole width or height already loses every block; larger ones are the same.
    dx = std::clamp(dx, -GetWidth(), GetWidth());
    dy = std::clamp(dy, -GetHeight(), GetHeight());
    const CLevel copy(*this);
    Clear();
    for (int x = 0; x < copy.GetWidth(); ++x)
        for (int y = 0; y < copy.GetHeight(); ++y)
            SetBlock(x + dx, y + dy, copy.m_grid.At(x, y));
}

CCellRect CLevel::GetUsedArea() const
{
    const int width = GetWidth();
    const int height = GetHeight();
    CCellRect used{width, height, -1, -1};
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (!m_grid.At(x, y).IsEmpty()) {
                used.left = std::min(used.left, x);
                used.top = std::min(used.top, y);
                used.right = std::max(used.right, x + 1);
                used.bottom = std::max(used.bottom, y + 1);
            }
    if (used.right < 0)
        return CCellRect{0, 0, width, height};
    return used;
}

bool CLevel::MakeFit()
{
    const CCellRect used = GetUsedArea();
    CLevel fitted;
    fitted.Resize(used.right - used.left, used.bottom - used.top);
    for (int x = 0; x < fitted.GetWidth(); ++x)
        for (int y = 0; y < fitted.GetHeight(); ++y)
            fitted.SetBlock(x, y, m_grid.At(used.left + x, used.top + y));
    if (fitted.GetWidth() == GetWidth() && fitted.GetHeight() == GetHeight())
        return false;
    fitted.SetBall(m_ballX - used.left, m_ballY - used.top);
    fitted.SetCreator(m_creator);
    fitted.SetName(m_name);
    *this = fitted;
    m_modified = true;
    return true;
}
