#pragma once
#include "model/Level.h"

#include <string>

// The six bites one generation works with, each a level of 7 x 7 blocks read from its own file.
// Openings as stored: start and end bite one on the east side; the corners west and south; the
// straight bite west and east. A bite whose file is missing or unreadable stays a new level
// (10 x 10 empty blocks, ball at (5, 5)).
class CBiteSet {
public:
    // Reads the bites from folder (which ends with a separator) in this order: start, square
    // corner, end, diagonal corner, straight, round corner. Takes two values from rand(): the
    // first picks the start variant, the second the end variant. The loads' results are not
    // looked at; every bite ends up as the reader leaves it.
    void Load(const std::string& folder);

    CLevel m_start;
    CLevel m_squareCorner;
    CLevel m_end;
    CLevel m_diagonalCorner;
    CLevel m_straight;
    CLevel m_roundCorner;
};

// The folder the bites are read from, with a trailing separator: "RBites/" beside the program,
// else the one in the installed data folder (FindInstalledFile).
std::string GetBiteFolder();
