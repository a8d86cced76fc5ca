#pragma once
#include "edit/BlockCommands.h"
#include "edit/Drag.h"
#include "edit/EditListener.h"
#include "edit/EditTool.h"
#include "edit/Palettes.h"
#include "edit/UndoHistory.h"
#include "edit/ViewGeometry.h"
#include "model/Level.h"

#include <optional>
#include <string>

class CArchive;

// The editing of the one level: the level itself, the current block that the tools paint with,
// the tool, the palettes, the drag under way, the undo history, and where the level lies in the
// view. Every change of the level goes through here and is reported once, after it was made, to
// the one listener; nothing else writes the level.
//
// Input comes as client pixels with the buttons and keys that matter; each input returns what
// the widget must do (grab or release the mouse, the cursor, what to repaint). While test mode is
// on the buttons and moves do nothing here, and neither do Rotate level, the flips and Create
// Random Level; the commands that do act then warn the listener before they change the level.
class CEditingSession {
public:
    // The level's top-left corner in the view.
    static constexpr CPoint kOrigin{5, 50};

    CEditingSession();
    CEditingSession(const CEditingSession&) = delete;
    CEditingSession& operator=(const CEditingSession&) = delete;

    // The listener (not owned), or none.
    void SetListener(CEditListener* listener) { m_listener = listener; }

    const CLevel& GetLevel() const { return m_level; }
    const CBlock& GetCurrentBlock() const { return m_currentBlock; }
    EditTool GetTool() const { return m_tool; }
    // A drag under way is finished with the tool in effect at its release.
    void SetTool(EditTool tool) { m_tool = tool; }
    const CPalettes& GetPalettes() const { return m_palettes; }
    const CDrag& GetDrag() const { return m_drag; }
    const CUndoHistory& GetUndoHistory() const { return m_undo; }
    bool IsTestMode() const { return m_testMode; }
    // Test mode is switched on or off; end a drag first (CancelDrag).
    void SetTestMode(bool on) { m_testMode = on; }

    // The view's client area: the cell size becomes the largest whole number of pixels at which
    // the level fits right of and below the origin (0 or less when it does not fit at all).
    void SetClientSize(int width, int height);
    int GetCellSize() const { return m_cellSize; }
    CViewGeometry GetGeometry() const;

    // Pointer input in client pixels.
    CInputReply LeftButtonDown(CPoint point, bool shift);
    CInputReply MouseMove(CPoint point, bool leftHeld);
    CInputReply LeftButtonUp(CPoint point, bool shift);
    void RightButtonUp(CPoint point, bool ctrl, bool shift);
    // Ends a drag under way without drawing (Escape, a dialog, test mode, losing the focus); the
    // snapshot of its press stays. Nothing when no drag is under way.
    CInputReply CancelDrag();

    // The current block.
    void RunBlockCommand(BlockCommand command, bool shift);
    // The shape of the shape palette's item, which alone carries the mark then.
    void SelectShape(int index);
    void SetBackKind(int kind);
    void SetFrontKind(int kind);

    // The level. Undo puts the latest snapshot back and records nothing.
    void Undo();
    void RotateLevel();
    void FlipHorizontal();
    void FlipVertical();
    // Crops the level to the bounding box of its non-empty blocks; the snapshot is recorded even
    // when nothing is cropped.
    void MakeFit();
    // Size, creator and name (the Properties dialog); no snapshot.
    void SetProperties(int width, int height, const std::string& creator, const std::string& name);
    // A new random level, without a snapshot.
    void CreateRandomLevel();
    // Every block moves by (dx, dy) cells (the arrow keys); blocks moved past an edge are lost and
    // the ball start stays. Also in test mode.
    void ShiftLevel(int dx, int dy);
    // The level becomes the given one, its modified flag included, without a snapshot (a new or
    // opened document); a drag's next move re-anchors it.
    void ReplaceLevel(const CLevel& level);
    // Stores the level in the archive as a saved file does: a new identity string, and the
    // modified flag cleared on success.
    bool StoreLevel(CArchive& archive);
    // The modified flag as it was before a save that failed.
    void SetModified(bool modified) { m_level.SetModified(modified); }

private:
    void PushSnapshot() { m_undo.Push(m_level); }
    // Rotate level and the flips: a snapshot, then the transformation; nothing in test mode.
    void Transform(void (CLevel::*transform)());
    void BeforeLevelChange();
    void Report(const CEditChange& change);
    void Report(const std::optional<CEditChange>& change);
    // After the level changed as a whole: its size may be another, so the cell size is fitted
    // again.
    void LevelReplaced();
    void CurrentBlockChanged(bool shapeMarkMoved = false);
    void PaletteClick(CPoint point);

    CLevel m_level;
    CEditListener* m_listener = nullptr;
    CBlock m_currentBlock;
    EditTool m_tool = ToolPlot;
    CPalettes m_palettes;
    CDrag m_drag;
    CUndoHistory m_undo;
    bool m_testMode = false;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    int m_cellSize = 0;
};
