#pragma once

class CEditorView;
class CLevel;

// The commands that transform or replace the document's whole level, and Undo. Rotate level,
// the flips and Create Random Level do nothing in test mode; Undo, Make fit and Properties stop
// a rolling ball before they change the level, so that the ball thread never reads a level
// being changed, and then put the ball on the changed level at its start.
class CLevelCommands {
public:
    explicit CLevelCommands(CEditorView& view) : m_view(view) {}

    // Puts the latest snapshot of the undo history back; records nothing itself.
    void OnUndo();
    // A quarter turn clockwise; width and height change places.
    void OnRotateLevel();
    void OnFlipHorizontal();
    void OnFlipVertical();
    // Crops the level to the bounding box of its non-empty blocks. The snapshot is recorded even
    // when nothing is cropped.
    void OnMakeFit();
    // Size, creator and name through the Level Properties dialog; records no snapshot.
    void OnProperties();
    // Replaces the level by a new random one, without asking and without a snapshot. Nothing
    // in test mode.
    void OnRandomLevel();

private:
    void PushSnapshot();
    // Rotate level and the flips: a snapshot, the transformation, and the cell size fitted again
    // when asked, since a quarter turn exchanges width and height.
    void Transform(void (CLevel::*transform)(), bool refit);
    // After the level's size may have changed: fit the cell size, rebuild and repaint all.
    void RefitAndRepaint();
    void RepaintAll();

    CEditorView& m_view;
};
