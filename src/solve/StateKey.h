#pragma once
#include "solve/Shot.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>

// What the search compares ball states by. With a merge grid of M squares per block, every state
// whose position falls into the same square of 1 / M blocks has the same key, whatever its
// slow-step count; with M = 0 the key is the state itself, bit for bit.
struct CStateKey {
    std::int64_t x = 0;
    std::int64_t y = 0;
    int slowSteps = 0;
    bool operator==(const CStateKey&) const = default;

    static CStateKey Of(const CBallState& state, int mergeGrid)
    {
        if (mergeGrid <= 0)
            return {std::bit_cast<std::int64_t>(state.x), std::bit_cast<std::int64_t>(state.y), state.slowSteps};
        return {static_cast<std::int64_t>(std::floor(state.x * mergeGrid)),
                static_cast<std::int64_t>(std::floor(state.y * mergeGrid)), 0};
    }
};

template <>
struct std::hash<CStateKey> {
    std::size_t operator()(const CStateKey& key) const noexcept
    {
        std::uint64_t h = static_cast<std::uint64_t>(key.x) * 0x9E3779B97F4A7C15ull;
        h ^= static_cast<std::uint64_t>(key.y) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
        h ^= static_cast<std::uint64_t>(key.slowSteps) * 0xBF58476D1CE4E5B9ull;
        return static_cast<std::size_t>(h ^ (h >> 31));
    }
};
