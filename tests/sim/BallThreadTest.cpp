#include "sim/Ball.h"

#include "SimFakes.h"
#include "render/DeviceContext.h"
#include "render/RasterImage.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

// A tick at each speed level performs as many steps as that many calls of Advance.
TEST(BallThread, StepsPerTick)
{
    const CLevel level; // 10 x 10 grass, the border its only wall
    const std::pair<int, int> stepsByLevel[] = {{-2, 0}, {-1, 1}, {0, 2}, {1, 4}, {2, 6}, {3, 8}, {4, 10}, {5, 20}};
    for (const auto& [speedLevel, steps] : stepsByLevel) {
        CBall ticked(0);
        CBall stepped(0);
        for (CBall* ball : {&ticked, &stepped}) {
            ball->AttachLevel(&level);
            ball->SetX(1.0);
            ball->Launch(20.0, 0.0, speedLevel);
        }
        EXPECT_TRUE(ticked.Tick());
        for (int i = 0; i < steps; ++i)
            stepped.Advance();
        EXPECT_EQ(ticked.GetX(), stepped.GetX()) << "speed level " << speedLevel;
        // A new speed level takes effect from the next tick on.
        ticked.SetSpeedLevel(1);
        ticked.Tick();
        for (int i = 0; i < 4; ++i)
            stepped.Advance();
        EXPECT_EQ(ticked.GetX(), stepped.GetX()) << "after speed level " << speedLevel;
    }
}

TEST(BallThread, ShotsEndWithTheirNotification)
{
    CLevel level;
    SetCell(level, 8, 5, Hole);
    // Views and players outlive the balls that report to them.
    CRecordingPlayer player;
    CFakeView view;
    CFakeView ultraView;
    CBall ball(0);
    // Refused without a level or a view.
    EXPECT_FALSE(ball.Start(5.0, 0.0, &view, CBall::kNormal));
    EXPECT_FALSE(ball.IsMoving());
    ball.AttachLevel(&level);
    EXPECT_FALSE(ball.Start(5.0, 0.0, nullptr, CBall::kNormal));
    EXPECT_FALSE(ball.IsMoving());
    ball.SetX(2.5);
    ball.SetY(5.5);
    ball.SetSoundPlayer(&player);
    // The view reads the ball for painting while the thread moves it.
    double paintedX = 0.0;
    view.onNotify = [&](int) { paintedX = ball.GetX() + ball.GetRect().right; };

    // Rolls gently to a stop short of the cup, at Super speed without sleeping.
    EXPECT_TRUE(ball.Start(2.0, 0.0, &view, CBall::kSuper));
    // Refused while the ball moves.
    EXPECT_FALSE(ball.Start(50.0, 3.0, &view, CBall::kSuper));
    view.RunUntilStopped();
    EXPECT_EQ(view.Codes().back(), BallStopped);
    EXPECT_GT(view.Codes().size(), 2u);
    EXPECT_FALSE(ball.IsMoving());
    EXPECT_GT(paintedX, 2.5);

    // At Ultra speed no BallMoved is sent.
    CBall ultra(0);
    ultra.AttachLevel(&level);
    ultra.SetX(ball.GetX());
    ultra.SetY(5.5);
    ultra.Start(20.0, 0.0, &ultraView, CBall::kUltra);
    ultraView.RunUntilStopped();
    EXPECT_EQ(ultraView.Codes(), std::vector<int>{BallInCup});
}

TEST(BallThread, StopAndCloseWhileTheThreadWaitsInANotification)
{
    const CLevel level;
    CFakeView view;
    CBall ball(0);
    ball.AttachLevel(&level);
    int handled = 0;
    view.onNotify = [&](int) {
        ++handled;
        // A view handler asking for a stop while the stop is already under way returns at once.
        ball.Stop();
    };
    for (int speedLevel : {CBall::kPaus, CBall::kNormal, CBall::kUltra}) {
        ball.AttachLevel(&level);
        ball.Start(0.0, 0.0, &view, speedLevel);
        if (speedLevel != CBall::kUltra) {
            // The thread now waits for the view to handle its BallMoved.
            view.WaitForPending();
            ball.SetSoundOn(false);
            ball.SetSpeedLevel(CBall::kSuper);
        }
        ball.Stop();
        EXPECT_FALSE(ball.IsMoving());
        // No message after a stop; the one the thread was sending was handled during the wait.
        EXPECT_EQ(handled, static_cast<int>(view.Codes().size()));
        for (int code : view.Codes())
            EXPECT_EQ(code, BallMoved);
        ball.Stop();
        ball.SetSoundOn(true);
    }

    // A closing application ends the wait at once: the thread still waits in its notification,
    // and the ball's end handles it and joins.
    CFakeView closing;
    {
        CBall last(0);
        last.AttachLevel(&level);
        last.Start(0.0, 0.0, &closing, CBall::kNormal);
        closing.WaitForPending();
        closing.SetClosing();
        last.Stop();
        EXPECT_TRUE(last.IsMoving());
    }
    EXPECT_EQ(closing.Codes(), std::vector<int>{BallMoved});
}

// Painting, speed and sound changes from this thread while the ball thread runs on its own
// (a view that does not make it wait), then Stop: the threads share only atomic fields.
TEST(BallThread, PaintingAndSettingsWhileTheBallRolls)
{
    class CFreeView : public CBallListener {
    public:
        void OnBallNotify(int, int) override { ++notified; }
        bool PumpEvents() override { return true; }
        std::atomic<int> notified = 0;
    };
    CLevel level;
    level.FillRect(3, 3, 6, 6, Solid, 0, Ice, 1, Ice, 1);
    SetCell(level, 8, 8, Hole);
    CRecordingPlayer player;
    CFreeView view;
    CRasterImage image(240, 240);
    CDeviceContext dc(image);
    CBall ball(0);
    ball.AttachLevel(&level);
    ball.SetSoundPlayer(&player);
    // The shot starts paused, so this thread is surely painting before the ball rolls away.
    ball.Start(80.0, 0.4, &view, CBall::kPaus);
    int frames = 0;
    while (ball.IsMoving() && frames < 2000) {
        ball.Draw(dc, frames % 2 == 0);
        // One read of the rectangle: two could straddle a move of the ball.
        const CRect shown = ball.GetRect();
        EXPECT_LE(shown.left, shown.right);
        ball.SetSoundOn(frames % 3 != 0);
        ball.SetSpeedLevel(frames < 50 ? CBall::kPaus : frames % 2 == 0 ? CBall::kSuper : CBall::kUltra);
        ++frames;
    }
    ball.Stop();
    EXPECT_FALSE(ball.IsMoving());
    EXPECT_GT(frames, 0);
}
