#pragma once
#include "render/Rect.h"

class CEditorView;

// The view's mouse and keyboard input while editing: left-button drags in the level area with
// the drawing tools, clicks on the palettes and on the current-block samples, picking and
// turning blocks with the right button, and shifting the level with the arrow keys.
//
// A left press in the level area records an undo snapshot, grabs the mouse and starts a drag;
// every position of the drag is kept inside the level area, and the first move, not the press,
// fixes where a moving drag starts. The release applies the tool in effect at that moment.
// Whatever takes the input during a drag (a dialog, a menu, test mode, another window, Escape)
// cancels it instead: the mouse is given back, the rubber band goes, nothing is drawn and the
// snapshot of the press stays. While test mode is on the buttons and moves do nothing here.
class CToolInput {
public:
    explicit CToolInput(CEditorView& view) : m_view(view) {}

    void OnLeftButtonDown(CPoint point);
    void OnMouseMove(CPoint point, bool leftHeld);
    // False for the release of a cancelled drag, which does nothing else either.
    bool OnLeftButtonUp(CPoint point, bool shift);
    void OnRightButtonUp(CPoint point, bool ctrl, bool shift);
    // The release of an arrow key (Qt key code) shifts the level by one cell; false for any
    // other key.
    bool OnKeyUp(int key);

    // Ends a drag under way without drawing; nothing when no drag is under way.
    void CancelDrag();

    // Records an undo snapshot, then every block of the level moves by (dx, dy) cells; blocks
    // moved past an edge are lost and the ball start stays where it is.
    void ShiftLevel(int dx, int dy);

private:
    void OnPaletteClick(CPoint point);
    void PushSnapshot();

    CEditorView& m_view;
};
