#pragma once
#include "app/EditorDoc.h"
#include "app/MainFrame.h"
#include "common/QtTestApp.h"
#include "common/TestBlocks.h"
#include "render/Colour.h"
#include "view/EditorView.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

// Handles events until the condition holds or five seconds have passed. The condition is asked
// once a round and its last answer returned: a condition that acts (a click) is not run again.
inline bool WaitFor(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    bool met = condition();
    while (!met && clock.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        met = condition();
    }
    return met;
}

// The editor's main window, shown and active, so that keys reach its shortcuts and the view
// paints; driven through real key and mouse events. Points are client pixels of the view.
struct EditorWindow : ::testing::Test {
    std::unique_ptr<CMainFrame> frame = std::make_unique<CMainFrame>();
    CEditorView& view = frame->GetView();
    CEditingSession& session = view.GetSession();
    CTestMode& testMode = view.GetTestMode();
    const CLevel& level = session.GetLevel();

    EditorWindow()
    {
        frame->show();
        QApplication::setActiveWindow(frame.get());
        QApplication::processEvents();
    }
    ~EditorWindow() override { frame.reset(); }

    // The view at that size: 405 x 450 gives a 10 x 10 level 40-pixel cells, the level area
    // (5, 50)-(405, 450).
    void SetViewSize(int width, int height)
    {
        view.setFixedSize(width, height);
        QApplication::processEvents();
        ASSERT_EQ(view.size(), QSize(width, height));
    }
    // The level as a document brings it, not modified.
    void Put(CLevel level)
    {
        level.SetModified(false);
        session.ReplaceLevel(level);
    }
    // Keys go to the window, as typed: shortcuts run the commands, arrows reach the view. The
    // window is made active again first, as a closed dialog may leave none active.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QApplication::setActiveWindow(frame.get());
        QTest::keyClick(frame.get(), key, modifiers);
    }
    void KeyToView(Qt::Key key) { QTest::keyClick(&view, key); }
    void Click(QPoint point, Qt::KeyboardModifiers keys = {}) { QTest::mouseClick(&view, Qt::LeftButton, keys, point); }
    // The middle of a cell.
    QPoint CellCentre(int x, int y) const
    {
        const int c = view.GetCellSize();
        return {CEditingSession::kOrigin.x + x * c + c / 2, CEditingSession::kOrigin.y + y * c + c / 2};
    }
    void Run(int id) { frame->GetAction(id)->trigger(); }
    // The pixels of that colour in the rectangle (else the level area) as the view shows it now.
    int CountPixels(Colour colour, std::optional<CRect> in = std::nullopt)
    {
        view.repaint();
        const CRect area = in.value_or(view.GetGeometry().GetLevelArea());
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += view.GetWindowImage().GetPixel(x, y) == colour;
        return count;
    }
    bool Checked(int id) const { return frame->GetAction(id)->isChecked(); }
    bool Enabled(int id) const { return frame->GetAction(id)->isEnabled(); }
    bool BallMoving() const { return testMode.GetBall().IsMoving(); }
    int UndoHead() const { return session.GetUndoHistory().GetHead(); }
};
