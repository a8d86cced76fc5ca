#include "CoursePath.h"

#include <queue>
#include <vector>

namespace {

constexpr int kSamples = 4;

} // namespace

bool IsPlayable(const CLevel& level)
{
    const int w = level.GetWidth() * kSamples;
    const int h = level.GetHeight() * kSamples;
    auto at = [&](int i, int j) { return level.GetKindAt((i + 0.5) / kSamples, (j + 0.5) / kSamples); };
    auto open = [&](int i, int j) {
        if (i < 0 || j < 0 || i >= w || j >= h)
            return false;
        const int kind = at(i, j);
        return kind != Wall && kind != Water;
    };
    auto fits = [&](int i, int j) {
        for (int di = -1; di <= 1; ++di)
            for (int dj = -1; dj <= 1; ++dj)
                if (!open(i + di, j + dj))
                    return false;
        return true;
    };
    const int si = static_cast<int>(level.GetBallX() * kSamples);
    const int sj = static_cast<int>(level.GetBallY() * kSamples);
    if (!fits(si, sj))
        return false;
    std::vector<bool> seen(static_cast<std::size_t>(w) * h, false);
    std::queue<std::pair<int, int>> todo;
    todo.emplace(si, sj);
    seen[static_cast<std::size_t>(sj) * w + si] = true;
    while (!todo.empty()) {
        const auto [i, j] = todo.front();
        todo.pop();
        if (at(i, j) == Hole)
            return true;
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& step : steps) {
            const int ni = i + step[0];
            const int nj = j + step[1];
            if (!fits(ni, nj) || seen[static_cast<std::size_t>(nj) * w + ni])
                continue;
            seen[static_cast<std::size_t>(nj) * w + ni] = true;
            todo.emplace(ni, nj);
        }
    }
    return false;
}
