#pragma once

// A pixel position: x to the right, y downward.
struct CPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CPoint&) const = default;
};
