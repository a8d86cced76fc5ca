#include "CoursePath.h"

#include <queue>
#include <vector>

bool IsPlayable(const CLevel& level)
{
    constexpr int kSamples = 4;
    const int w = level.GetWidth() * kSamples;
    const int h = level.GetHeight() * kSamples;
    auto kind = [&](int i, int j) { return level.GetKindAt((i + 0.5) / kSamples, (j + 0.5) / kSamples); };
    auto fits = [&](int i, int j) {
        for (int a = i - 1; a <= i + 1; ++a)
            for (int b = j - 1; b <= j + 1; ++b)
                if (a < 0 || b < 0 || a >= w || b >= h || kind(a, b) == Wall || kind(a, b) == Water)
                    return false;
        return true;
    };
    std::vector<bool> seen(static_cast<std::size_t>(w) * h, false);
    std::queue<std::pair<int, int>> todo;
    auto visit = [&](int i, int j) {
        if (fits(i, j) && !seen[static_cast<std::size_t>(j) * w + i]) {
            seen[static_cast<std::size_t>(j) * w + i] = true;
            todo.emplace(i, j);
        }
    };
    visit(static_cast<int>(level.GetBallX() * kSamples), static_cast<int>(level.GetBallY() * kSamples));
    while (!todo.empty()) {
        const auto [i, j] = todo.front();
        todo.pop();
        if (kind(i, j) == Hole)
            return true;
        visit(i + 1, j);
        visit(i - 1, j);
        visit(i, j + 1);
        visit(i, j - 1);
    }
    return false;
}
