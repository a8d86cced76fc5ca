#pragma once
#include "render/Figure.h"

#include <array>
#include <cstdint>
#include <memory>

// The rows of recently painted figures, recorded relative to each figure's own corner, so that
// a figure painted again elsewhere (every block of a level draws one of a dozen) costs no
// geometry. Pixel coverage only moves with a figure moved by whole pixels, which makes the
// recording valid at any position.
class CFigureCache {
public:
    // A figure's kind and its coordinates relative to its corner; unused places are zero.
    using CKey = std::array<int, 12>;
    // Figures taller than this are not recorded.
    static constexpr int kMaxRows = 1024;

    CFigureCache();
    CFigureCache(const CFigureCache&) = delete;
    CFigureCache& operator=(const CFigureCache&) = delete;
    ~CFigureCache();

    // The recorded figure of key, or null.
    const CFigure* Find(const CKey& key) const;
    // Records every row of figure (at most kMaxRows) under key and returns the recording.
    const CFigure& Record(const CKey& key, const CFigure& figure);

private:
    class CRecordedFigure;
    struct CSlot {
        CKey key{};
        std::unique_ptr<CRecordedFigure> figure;
    };
    static constexpr std::size_t kSets = 32;
    static constexpr std::size_t kWays = 4;
    static std::size_t SetOf(const CKey& key);

    std::array<CSlot, kSets * kWays> m_slots;
    std::array<std::uint8_t, kSets> m_nextWay{};
};
