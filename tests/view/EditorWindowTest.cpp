#include "view/EditorWindowFixture.h"

namespace {

// A Rectangle drag with a wall from cell (1, 1) to cell (4, 3), interrupted before its release.
struct DragInterrupted : EditorWindow {
    DragInterrupted()
    {
        Click({400, 25}); // the wall of the material palette
        view.SetTool(ToolRectangle);
    }

    void StartDrag()
    {
        head = view.GetUndoHistory().GetHead();
        QTest::mousePress(&view, Qt::LeftButton, {}, CellCentre(1, 1));
        QTest::mouseMove(&view, CellCentre(1, 1) + QPoint(1, 0));
        QTest::mouseMove(&view, CellCentre(4, 3));
        ASSERT_TRUE(view.IsDragging());
        ASSERT_TRUE(RubberBandShown());
    }
    // The release that ends the drag, when the mouse sends it after what interrupted it.
    void Release() { QTest::mouseRelease(&view, Qt::LeftButton, {}, CellCentre(4, 3)); }

    bool RubberBandShown() { return CountPixels(MakeRgb(255, 0, 0)) > 0; }

    // The mouse is free, the rubber band gone, nothing drawn, and the snapshot of the press kept.
    void ExpectCancelled(const char* interruption)
    {
        SCOPED_TRACE(interruption);
        EXPECT_FALSE(view.IsDragging());
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_FALSE(RubberBandShown());
        Release();
        EXPECT_EQ(NonEmptyCells(level), CCellSet{});
        EXPECT_EQ(view.GetUndoHistory().GetHead(), (head + 1) % 5);
    }

    int head = 0;
};

} // namespace

// Test mode and Escape entered during a drag end it too: the end-to-end run checks those.
TEST_F(DragInterrupted, WhatTakesTheInputCancelsTheDrag)
{
    // Dialogs opened by keys while the button is held: Properties and Open.
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Return, Qt::AltModifier}, std::pair{Qt::Key_O, Qt::ControlModifier}}) {
        StartDrag();
        const CModalHandler dialog([&](QWidget* modal) {
            EXPECT_TRUE(!view.IsDragging() && QWidget::mouseGrabber() == nullptr) << "the mouse is held";
            modal->close();
        });
        Key(key, modifiers);
        EXPECT_TRUE(dialog.WasShown());
        ExpectCancelled("a dialog");
    }

    // Another window becomes the active one, after the editor's.
    QApplication::setActiveWindow(frame.get());
    StartDrag();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    ExpectCancelled("another window");
    QApplication::setActiveWindow(frame.get());

    // Undo puts back the level of the last press: the same blank level.
    Key(Qt::Key_Z);
    EXPECT_EQ(NonEmptyCells(level), CCellSet{});
}
