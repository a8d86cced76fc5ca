#pragma once

class CBlock;
class CEditorView;

// The commands that change only the view's current block, the block that the tools paint with:
// the Edit > Block menu, and what clicks on the palettes and the samples choose. None of them
// changes the level or records an undo snapshot, and all of them also work in test mode.
class CBlockCommands {
public:
    explicit CBlockCommands(CEditorView& view) : m_view(view) {}

    // Back or front slope a step further: no slope, then 7 down to 0, then no slope again.
    void OnRotateBack();
    void OnRotateFront();
    void OnResetBackRotation();
    void OnResetFrontRotation();
    void OnResetRotation();
    // A quarter turn clockwise, the materials' slopes too while the Shift key is down.
    void OnRotateBlock();
    void OnSwapMaterials();

    // The kind of the back or front material; its slope stays.
    void SetBackKind(int kind);
    void SetFrontKind(int kind);
    // The current block becomes a copy of the block, shape and both materials.
    void PickBlock(const CBlock& block);

private:
    CBlock& Block() const;
    void Set(int backKind, int backRotation, int frontKind, int frontRotation);

    CEditorView& m_view;
};
