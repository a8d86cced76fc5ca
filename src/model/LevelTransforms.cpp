// Whole-level transformations of CLevel: every block moves to its new cell and is itself turned
// or mirrored, so shapes and slopes keep their look; the ball start moves with the level.
#include "model/Level.h"

#include <utility>

void CLevel::Rotate90()
{
    // Each block turns in place, then the blocks move to their turned cells. A level without
    // cells turns nothing and stays unmodified.
    const int height = GetHeight();
    for (int x = 0; x < GetWidth(); ++x)
        for (int y = 0; y < height; ++y)
            RotateBlock(x, y, true);
    m_grid.TurnCellsClockwise();
    const double ballX = m_ballX;
    m_ballX = height - m_ballY;
    m_ballY = ballX;
}

void CLevel::FlipHorizontal()
{
    const int width = GetWidth();
    for (int y = 0; y < GetHeight(); ++y) {
        for (int x = 0; x < width / 2; ++x)
            std::swap(m_grid.At(x, y), m_grid.At(width - 1 - x, y));
        for (int x = 0; x < width; ++x)
            m_grid.At(x, y).FlipHorizontal();
    }
    m_ballX = width - m_ballX;
    m_modified = true;
}

void CLevel::FlipVertical()
{
    const int height = GetHeight();
    for (int x = 0; x < GetWidth(); ++x) {
        for (int y = 0; y < height / 2; ++y)
            std::swap(m_grid.At(x, y), m_grid.At(x, height - 1 - y));
        for (int y = 0; y < height; ++y)
            m_grid.At(x, y).FlipVertical();
    }
    m_ballY = height - m_ballY;
    m_modified = true;
}
