#pragma once
#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with a report when an invariant of the code under test does not hold.
inline void FuzzCheck(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
