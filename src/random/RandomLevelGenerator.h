#pragma once
#include "model/Level.h"

#include <string>
#include <vector>

// Builds a random 50 x 50 level: a course of bites along a random walk over a 7 x 7 grid of
// bite cells, from a start bite holding the ball to an end bite holding the cup. Every
// generation reads its bites afresh and draws its numbers from the C library's rand(), so
// srand() with the same seed and the same bite files gives the same level.
class CRandomLevelGenerator {
public:
    static constexpr int kLevelSize = 50;
    static constexpr int kBitePitch = 7;

    CRandomLevelGenerator() = default;
    virtual ~CRandomLevelGenerator() = default;

    // Replaces the folder the bites are read from (it should end with a separator; one is added
    // when it does not). An empty folder restores the default, GetBiteFolder().
    void SetBiteFolder(const std::string& folder);

    // Builds the level. Missing or unreadable bites are used as the reader leaves them; the
    // generation always completes and shows no message.
    void Generate();

    const CLevel& GetLevel() const { return m_level; }
    // The bite cells of the last generation's course from start to end (cell i is column i % 7,
    // row i / 7).
    const std::vector<int>& GetCourse() const { return m_course; }

private:
    void Paste(const CLevel& bite, int cell);

    CLevel m_level;
    std::string m_biteFolder;
    std::vector<int> m_course;
};
