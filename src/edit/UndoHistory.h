#pragma once
#include "model/Level.h"

#include <array>

// The last five states of the level, each as it was just before an edit: a fixed ring of whole
// level copies with one index. Undo steps back through the ring without end; there is no redo.
class CUndoHistory {
public:
    static constexpr int kSlots = 5;

    // Five new levels (10 x 10, empty), the next push going to the first slot.
    CUndoHistory() = default;

    // Stores a copy of the level in the next slot, overwriting the oldest one.
    void Push(const CLevel& level);
    // Steps back one slot and returns what it holds, for the caller to copy; the slot keeps its
    // content until a later Push overwrites it.
    const CLevel& Undo();

    // The slot that the next Push writes.
    int GetHead() const { return m_head; }

private:
    std::array<CLevel, kSlots> m_snapshots;
    int m_head = 0;
};
