#include "edit/Drag.h"

#include "edit/ViewGeometry.h"

#include <utility>

void CDrag::Start(CPoint point)
{
    m_active = true;
    m_start = point;
    m_current = point;
}

CRect CDrag::Move(CPoint point, const CViewGeometry& geometry)
{
    CPoint previous = m_current;
    m_current = point;
    if (!m_moved) {
        m_start = point;
        previous = point;
        m_moved = true;
    }
    return geometry.GetRubberBandRect(m_start, point, previous);
}

CRect CDrag::Finish(CPoint point, bool moved, const CViewGeometry& geometry)
{
    const CPoint previous = m_current;
    m_current = point;
    m_active = false;
    return moved ? geometry.GetRubberBandRect(m_start, point, previous) : CRect{};
}

CRect CDrag::Cancel(const CViewGeometry& geometry)
{
    m_active = false;
    m_moved = false;
    m_cancelled = true;
    return geometry.WidenedToCells(m_start, m_current);
}

bool CDrag::TakeMoved()
{
    return std::exchange(m_moved, false);
}

bool CDrag::TakeCancelled()
{
    return std::exchange(m_cancelled, false);
}
