#pragma once
#include "render/Rect.h"

class CViewGeometry;

// What the widget must do after the editing session took a pointer event.
struct CInputReply {
    // Grab: capture the mouse for a drag, whose positions the session keeps inside the level
    // area (GetGeometry().GetLevelArea()); Release: give the mouse back.
    enum class Mouse { Keep, Grab, Release };
    // The pointer's shape over the view: the cross over the level area while editing.
    enum class Cursor { Keep, Cross, Arrow };

    Mouse mouse = Mouse::Keep;
    Cursor cursor = Cursor::Keep;
    // Client pixels to repaint without erasing (the rubber band); empty for none.
    CRect repaint;
    // Test mode takes the release: the ball is shot toward the point.
    bool shoot = false;
};

// A left-button drag that began in the level area, fed with client points.
//
// Idle until Start; then every position is kept inside the level area by the caller, and the
// first move, not the press, fixes where a moving drag starts. Finish or Cancel return to idle.
// A cancelled drag's button is still held: its release is to do nothing (TakeCancelled).
class CDrag {
public:
    bool IsActive() const { return m_active; }
    // Where the drag starts and where its latest event was.
    CPoint GetStart() const { return m_start; }
    CPoint GetCurrent() const { return m_current; }

    // The press that starts the drag.
    void Start(CPoint point);
    // A move with the left button held: the point becomes the current one. What to repaint when
    // a rubber band's preview moves with it.
    CRect Move(CPoint point, const CViewGeometry& geometry);
    // The release at point, given whether the drag moved (TakeMoved): idle again. What to repaint
    // of a rubber band, which goes with the drag.
    CRect Finish(CPoint point, bool moved, const CViewGeometry& geometry);
    // Ends the drag without a release; what to repaint of its rubber band as last drawn.
    CRect Cancel(const CViewGeometry& geometry);

    // Every left release clears the first move's mark (and every new document: the next move
    // re-anchors the drag); whether it was set.
    bool TakeMoved();
    // Every left press and release clears the mark of a cancelled drag; whether it was set.
    bool TakeCancelled();

private:
    bool m_active = false;
    bool m_moved = false;
    bool m_cancelled = false;
    CPoint m_start;
    CPoint m_current;
};
