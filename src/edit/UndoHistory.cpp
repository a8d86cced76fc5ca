#include "edit/UndoHistory.h"

void CUndoHistory::Push(const CLevel& level)
{
    // Assignment reuses the slot's blocks where the sizes overlap.
    m_snapshots[m_head] = level;
    m_head = (m_head + 1) % kSlots;
}

const CLevel& CUndoHistory::Undo()
{
    m_head = (m_head + kSlots - 1) % kSlots;
    return m_snapshots[m_head];
}
