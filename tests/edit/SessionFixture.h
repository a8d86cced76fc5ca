#pragma once
#include "common/TestBlocks.h"
#include "edit/EditingSession.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

// What a session reported, in order.
struct CRecordingListener : CEditListener {
    std::vector<CEditChange> changes;
    int warnings = 0;
    void BeforeLevelChange() override { ++warnings; }
    void OnEditChange(const CEditChange& change) override { changes.push_back(change); }
    // The kinds reported since the last call.
    std::vector<CEditChange::Kind> Take()
    {
        std::vector<CEditChange::Kind> kinds;
        for (const CEditChange& change : changes)
            kinds.push_back(change.kind);
        changes.clear();
        return kinds;
    }
};

// A session on its 10 x 10 level in a 405 x 450 client area: 40-pixel cells, the level area
// (5, 50)-(405, 450). Points are client pixels, fed as the view feeds them.
struct EditingSession : ::testing::Test {
    CEditingSession session;
    CRecordingListener listener;

    EditingSession()
    {
        session.SetListener(&listener);
        session.SetClientSize(405, 450);
    }
    const CLevel& Level() const { return session.GetLevel(); }
    // Puts the level in place as a document would, not modified, and forgets the report.
    void Open(const CLevel& level)
    {
        CLevel copy = level;
        copy.SetModified(false);
        session.ReplaceLevel(copy);
        listener.changes.clear();
        listener.warnings = 0;
    }
    // Press at the first point, move through them all, release at the last.
    CInputReply Drag(std::initializer_list<CPoint> points, bool shift = false)
    {
        session.LeftButtonDown(*points.begin(), false);
        for (CPoint point : points)
            session.MouseMove(point, true);
        return session.LeftButtonUp(*(points.end() - 1), shift);
    }
    void Click(CPoint point, bool shift = false)
    {
        session.LeftButtonDown(point, shift);
        session.LeftButtonUp(point, shift);
    }
    int UndoHead() const { return session.GetUndoHistory().GetHead(); }
};
