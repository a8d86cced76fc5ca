#pragma once
#include "file/Archive.h"
#include "model/Level.h"
#include "random/BiteSet.h"
#include "random/RandomLevelGenerator.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <queue>
#include <string>
#include <vector>

#include <unistd.h>

// The shipped bites: data/RBites/ of the source tree under CTest, else the copy beside the binary.
inline std::string ShippedBiteFolder()
{
    const char* source = std::getenv("QV_SOURCE_DIR");
    return source ? std::string(source) + "/data/RBites/" : GetBiteFolder();
}

// A temporary copy of the shipped bites, removed with the object.
class CBiteFolderCopy {
public:
    explicit CBiteFolderCopy(const std::string& tag)
        : m_folder((std::filesystem::temp_directory_path() / ("qv-bites-" + tag + std::to_string(getpid()))).string() +
                   "/")
    {
        std::filesystem::remove_all(m_folder);
        std::filesystem::copy(ShippedBiteFolder(), m_folder);
    }
    ~CBiteFolderCopy() { std::filesystem::remove_all(m_folder); }
    CBiteFolderCopy(const CBiteFolderCopy&) = delete;
    CBiteFolderCopy& operator=(const CBiteFolderCopy&) = delete;

    const std::string& GetFolder() const { return m_folder; }
    CLevel Read(const std::string& file) const
    {
        CLevel bite;
        bite.LoadFromFile(m_folder + file);
        return bite;
    }
    void Write(const std::string& file, CLevel& bite) const
    {
        std::ofstream out(m_folder + file, std::ios::binary | std::ios::trunc);
        CArchive archive(out);
        bite.Store(archive);
    }

private:
    std::string m_folder;
};

// Seeds rand() and generates one level from the bites in folder; optionally hands back the course.
inline CLevel GenerateWithSeed(unsigned seed, const std::string& folder, std::vector<int>* course = nullptr)
{
    CRandomLevelGenerator generator;
    generator.SetBiteFolder(folder);
    std::srand(seed);
    generator.Generate();
    if (course)
        *course = generator.GetCourse();
    return generator.GetLevel();
}

// Whether a ball can roll from the level's ball start to a cup. The level is sampled four times
// per block each way; a sample is open when the ground there is neither wall nor water and the
// level goes on around it. The ball (0.7 blocks across) fits where a sample and its eight
// neighbours are open; the course is playable when such samples join the ball start's sample
// to a Hole sample through shared sides.
inline bool IsPlayable(const CLevel& level)
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
