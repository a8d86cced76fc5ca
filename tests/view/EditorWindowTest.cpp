#include "app/CommandTable.h"
#include "common/EditorWindow.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace {

// A Rectangle drag with a wall from cell (1, 1) to cell (4, 3).
struct Dragging : EditorWindow {
    Dragging()
    {
        session.SetBackKind(Wall);
        session.SetTool(ToolRectangle);
    }

    void StartDrag()
    {
        head = UndoHead();
        QTest::mousePress(&view, Qt::LeftButton, {}, CellCentre(1, 1));
        QTest::mouseMove(&view, CellCentre(1, 1) + QPoint(1, 0));
        QTest::mouseMove(&view, CellCentre(4, 3));
        ASSERT_TRUE(session.GetDrag().IsActive());
        ASSERT_EQ(QWidget::mouseGrabber(), &view);
        ASSERT_TRUE(RubberBandShown());
    }
    // The release that ends the drag, when the mouse sends it.
    void Release() { QTest::mouseRelease(&view, Qt::LeftButton, {}, CellCentre(4, 3)); }

    bool RubberBandShown() { return CountPixels(MakeRgb(255, 0, 0)) > 0; }

    int head = 0;
};

} // namespace

TEST_F(Dragging, TheMouseDrawsAndWhatTakesTheInputCancels)
{
    // The pointer's cursor above the level area (over it, the test-mode case checks).
    SendMouse(&view, QEvent::MouseMove, {60, 30});
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);

    // Another window becomes the active one, after the editor's: the mouse is free, the rubber
    // band gone, nothing drawn, and the snapshot of the press kept.
    QApplication::setActiveWindow(frame.get());
    StartDrag();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    EXPECT_FALSE(session.GetDrag().IsActive());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(RubberBandShown());
    Release();
    EXPECT_EQ(NonEmptyCells(level), CCellSet{});
    EXPECT_EQ(UndoHead(), (head + 1) % 5);
    QApplication::setActiveWindow(frame.get());

    // A drag to its end draws, repaints and lets the mouse go.
    StartDrag();
    Release();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(RubberBandShown());
    // Every cell of the rectangle shows the wall, less the grid lines on its top and left edges.
    const int inner = view.GetCellSize() - (view.IsGridShown() ? 1 : 0);
    EXPECT_EQ(CountPixels(MakeRgb(97, 1, 18)), 12 * inner * inner);
}

TEST_F(EditorWindow, RotateBlockHonoursTheShiftKeyAsItIsNow)
{
    session.RunBlockCommand(BlockCommand::RotateFront, false);
    Run(CmdRotateBlock);
    EXPECT_EQ(session.GetCurrentBlock().GetShapeRotation(), 1);
    EXPECT_EQ(session.GetCurrentBlock().GetFrontRotation(), 7);
    QTest::keyPress(&view, Qt::Key_Shift, Qt::ShiftModifier);
    Run(CmdRotateBlock);
    Click({45, 25}, Qt::ShiftModifier); // the block sample
    QTest::keyRelease(&view, Qt::Key_Shift);
    EXPECT_EQ(session.GetCurrentBlock().GetShapeRotation(), 3);
    EXPECT_EQ(session.GetCurrentBlock().GetFrontRotation(), 3);
}

TEST_F(EditorWindow, PaletteItemsAndSamplesSayWhatTheyAreAndWhatClicksDo)
{
    auto tipAt = [this](QPoint point) {
        QHelpEvent help(QEvent::ToolTip, point, view.mapToGlobal(point));
        QApplication::sendEvent(&view, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(CellCentre(2, 2)), "");
    EXPECT_EQ(tipAt({600, 25}), "Material: Water\nLeft click: background material\nRight click: front material");
    EXPECT_EQ(tipAt({250, 25}), "Shape: Triangle\nLeft click: the current block takes this shape");
    EXPECT_EQ(tipAt({15, 30}), "Front material of the current block\nLeft click: turn its slope\nRight click: no slope");
    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("sv")));
    EXPECT_EQ(tipAt({45, 25}), "Aktuellt block\nVänsterklick: ett kvarts varv (med Skift vrids även lutningarna)");
    EXPECT_EQ(tipAt({350, 25}), "Material: Gräs\nVänsterklick: bakgrundsmaterial\nHögerklick: förgrundsmaterial");
    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("en")));
}
