#pragma once
#include "model/Level.h"

// What one change did, as the editing session reports it.
struct CEditChange {
    enum Kind {
        // Blocks of the cells in `cells` changed (right and bottom exclusive); the size did not.
        CellsChanged,
        // The level was replaced or transformed as a whole; its size may have changed.
        LevelReplaced,
        // The ball's start position moved.
        BallStartMoved,
        // The current block changed; with `shapeMarkMoved` the shape palette's mark moved too.
        CurrentBlockChanged,
    };
    Kind kind = CellsChanged;
    CCellRect cells;
    bool shapeMarkMoved = false;

    // The cells from (left, top) to before (right, bottom).
    static CEditChange Cells(int left, int top, int right, int bottom)
    {
        return {CellsChanged, {left, top, right, bottom}, false};
    }
    static CEditChange Of(Kind kind, bool shapeMarkMoved = false) { return {kind, {}, shapeMarkMoved}; }
};

// The one listener of an editing session: told once of every change, after it was made.
class CEditListener {
public:
    virtual ~CEditListener() = default;

    // The level is about to change: whatever reads it on another thread (the test-mode ball)
    // must stop first.
    virtual void BeforeLevelChange() = 0;
    virtual void OnEditChange(const CEditChange& change) = 0;
};
