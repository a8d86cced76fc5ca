#pragma once
#include "edit/Palettes.h"

#include <QString>

// The tooltip of a palette item or of a sample of the current block: what it is and what its
// left and right clicks do, in the interface language; empty for no spot.
QString PaletteTipText(const CPalettes::CSpot& spot);
