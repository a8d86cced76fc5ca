#pragma once
#include "app/EditorDoc.h"
#include "model/Level.h"
#include "view/EditorView.h"
#include "view/QtTestApp.h"

#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>

using CCellSet = std::set<std::pair<int, int>>;

// The cells of the level whose block is not empty.
inline CCellSet NonEmptyCells(const CLevel& level)
{
    CCellSet cells;
    for (int x = 0; x < level.GetWidth(); ++x)
        for (int y = 0; y < level.GetHeight(); ++y)
            if (!level.GetBlock(x, y).IsEmpty())
                cells.emplace(x, y);
    return cells;
}

// A view alone on a 10 x 10 level with 40-pixel cells: the level area is (5, 50)-(405, 450).
// The mouse is driven through real events; points are client pixels.
struct EditingView : ::testing::Test {
    CEditorDoc document;
    CEditorView view{document.m_level};
    CLevel& level = document.m_level;

    EditingView()
    {
        view.resize(405, 450);
        view.FitCellSize();
    }

    void Press(QPoint point, Qt::KeyboardModifiers keys = {})
    {
        QTest::mousePress(&view, Qt::LeftButton, keys, point);
    }
    void Move(QPoint point) { QTest::mouseMove(&view, point); }
    void Release(QPoint point, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseRelease(&view, Qt::LeftButton, keys, point);
    }
    // Press at the first point, move through the others, release at the last.
    void Drag(std::initializer_list<QPoint> points, Qt::KeyboardModifiers keys = {})
    {
        Press(*points.begin());
        for (QPoint point : points)
            Move(point);
        Release(*(points.end() - 1), keys);
    }
    void Click(QPoint point, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(&view, Qt::LeftButton, keys, point);
    }
    void RightClick(QPoint point, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(&view, Qt::RightButton, keys, point);
    }
    int UndoHead() const { return view.GetUndoHistory().GetHead(); }
};
