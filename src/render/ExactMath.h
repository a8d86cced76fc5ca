#pragma once
#include <cstdint>

// Integer helpers for the exact pixel tests of the figures. Figures work in doubled
// coordinates, where pixel (x, y) has its centre at (2x + 1, 2y + 1) and every corner of the
// pixel grid has even coordinates, so that no test ever needs a fraction.
__extension__ using Int128 = __int128;

inline std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

inline std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); }
