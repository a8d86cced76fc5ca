#include "app/CommandTable.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "common/TestBlocks.h"
#include "common/EditorWindow.h"

#include <QAction>
#include <QDialog>
#include <QTemporaryDir>

#include <chrono>
#include <thread>

namespace {

// The editor window on a 10 x 10 grass level whose cup is the 2 x 2 block of Hole at columns 7
// and 8, rows 4 and 5; the ball starts at (2.5, 5.0), on the cup's line.
struct TestModeThread : EditorWindow {
    TestModeThread()
    {
        CLevel course;
        course.FillRect(7, 4, 8, 5, MakeBlock(Solid, 0, Hole));
        course.SetBall(2.5, 5.0);
        Put(course);
    }

    // Test mode, the speed chosen, and a shot toward the middle of cell (8, 5): strength 15. Then
    // keeps the user-interface thread away from its events long enough that the ball thread,
    // ticking every 10 ms, waits in a notification.
    void Shoot(Qt::Key speedKey)
    {
        if (!testMode.IsOn())
            Key(Qt::Key_T);
        Key(speedKey);
        // A click while the previous shot's thread is still finishing is ignored: click again.
        ASSERT_TRUE(WaitFor([&] {
            Click(CellCentre(8, 5));
            return BallMoving();
        }));
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
};

} // namespace

TEST_F(TestModeThread, StopSpeedAndTheCupWhileTheBallThreadWaitsInANotification)
{
    // Test mode shows the arrow over the level, editing the cross.
    auto cursorAt = [this](QPoint point) {
        SendMouse(&view, QEvent::MouseMove, point);
        return view.cursor().shape();
    };
    EXPECT_EQ(cursorAt(CellCentre(2, 2)), Qt::CrossCursor);
    Key(Qt::Key_T);
    EXPECT_EQ(cursorAt(CellCentre(3, 3)), Qt::ArrowCursor);
    EXPECT_TRUE(Checked(CmdTestMode));

    // A click in the ball's own cell shoots with strength 0: the ball stays where it is.
    Key(Qt::Key_6);
    Click(CellCentre(2, 5));
    ASSERT_TRUE(WaitFor([&] { return !BallMoving(); }));
    EXPECT_NEAR(testMode.GetBall().GetX(), 2.5, 1e-9);

    // At Paus the ball stands still but its thread keeps ticking and notifying.
    Shoot(Qt::Key_0);
    ASSERT_TRUE(WaitFor([&] { return Enabled(CmdStopBall); }));
    Key(Qt::Key_Space, Qt::NoModifier);
    EXPECT_FALSE(BallMoving());
    EXPECT_TRUE(testMode.IsOn());
    EXPECT_TRUE(WaitFor([&] { return !Enabled(CmdStopBall); }));

    // A speed chosen during a shot takes effect.
    Shoot(Qt::Key_0);
    Key(Qt::Key_2);
    EXPECT_TRUE(Checked(CmdSpeedNormal));
    ASSERT_TRUE(WaitFor([&] { return testMode.GetBall().GetX() > 2.6; }));

    // Ultra sends nothing while the ball rolls: it is repainted when it stops, in the cup here,
    // which ends test mode.
    Key(Qt::Key_7);
    EXPECT_TRUE(Checked(CmdSpeedUltra));
    ASSERT_TRUE(WaitFor([&] { return !testMode.IsOn(); }));
    EXPECT_TRUE(testMode.GetBall().IsInCup());
    EXPECT_FALSE(Checked(CmdTestMode));
    EXPECT_FALSE(Enabled(CmdStopBall));
    EXPECT_EQ(cursorAt(CellCentre(3, 3)), Qt::CrossCursor);

    // Entering again puts the ball back at the start, out of the cup.
    Key(Qt::Key_T);
    EXPECT_FALSE(testMode.GetBall().IsInCup());
    EXPECT_EQ(testMode.GetBall().GetX(), 2.5);
}

TEST_F(TestModeThread, LeavingTestModeNewOpenAndClosingStopTheBall)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.lev"));
    ASSERT_TRUE(frame->GetDocument().OnSaveDocument(path, nullptr));

    Shoot(Qt::Key_2);
    {
        // Unless it is the first New of the window, the Level Properties dialog asks for the size.
        const CModalHandler accept([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
        frame->GetDocManager().OnFileNew();
    }
    EXPECT_FALSE(testMode.IsOn());
    EXPECT_FALSE(BallMoving());

    Shoot(Qt::Key_2);
    ASSERT_TRUE(frame->GetDocManager().OpenDocumentFile(path));
    EXPECT_FALSE(testMode.IsOn());
    EXPECT_FALSE(BallMoving());

    Shoot(Qt::Key_0);
    Key(Qt::Key_T);
    EXPECT_FALSE(testMode.IsOn());
    EXPECT_FALSE(BallMoving());

    // Closing the window in the middle of a shot, the ball thread waiting in a notification.
    Shoot(Qt::Key_0);
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(BallMoving());

    // Destroying the window: the ball, rolling at Normal speed, reads the level until it stops.
    frame->show();
    QApplication::setActiveWindow(frame.get());
    Shoot(Qt::Key_2);
    frame.reset();
}

TEST_F(TestModeThread, LevelChangesStopTheBallAndPutItOnTheChangedLevel)
{
    // Make fit and the arrow keys act in test mode: the ball, rolling at Normal speed and reading
    // the level, stops before the level changes, then starts over at the changed level's start,
    // where the view paints it. (Undo does too: the end-to-end run shoots on the level it brings.)
    auto expectOnTheLevel = [&](const char* command) {
        SCOPED_TRACE(command);
        EXPECT_FALSE(BallMoving());
        EXPECT_TRUE(testMode.IsOn());
        const CBall& ball = testMode.GetBall();
        EXPECT_EQ(ball.GetX(), level.GetBallX());
        EXPECT_EQ(ball.GetY(), level.GetBallY());
        const CRect shown = testMode.GetBallRect();
        EXPECT_EQ(shown, ball.GetRect());
        view.repaint();
        EXPECT_EQ(view.GetWindowImage().GetPixel((shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2),
                  MakeRgb(230, 230, 230));
    };
    CLevel walled = level;
    walled.SetBlock(0, 0, MakeBlock(Solid, 0, Wall));
    Put(walled);
    Shoot(Qt::Key_2);
    Key(Qt::Key_F);
    EXPECT_EQ(level.GetWidth(), 9);
    expectOnTheLevel("Make fit");

    Shoot(Qt::Key_2);
    const CBlock corner = level.GetBlock(0, 0);
    KeyToView(Qt::Key_Right);
    EXPECT_TRUE(level.GetBlock(1, 0) == corner);
    expectOnTheLevel("Right arrow");

    // Rotate level and the flips do nothing in test mode.
    const CCellSet before = NonEmptyCells(level);
    for (int id : {CmdRotateLevel, CmdFlipHorizontal, CmdFlipVertical})
        frame->GetAction(id)->trigger();
    EXPECT_EQ(NonEmptyCells(level), before);
}
