// The rules of the step from their constants: friction, slope pull, coming to rest, water, the
// cup, the wall's loss and sound. The trace corpus holds every step of its shots to the bit; these
// say what the numbers must be, and cover what it never does (sound off, the drawn rectangle, a
// slow shot straight after another).
#include "sim/Ball.h"

#include "SimFakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kGrassFriction = 0.602 / 200;
// A slope's pull in one step.
const double kPull = 9.82 * std::sin(40.0 * kPi / 180.0) / 200;

// A ball on the level at (x, y), sounds recorded, launched headless.
struct CShot {
    CBall ball{0};
    CRecordingPlayer player;

    CShot(const CLevel& level, double x, double y, double speed, double angle, int speedLevel = CBall::kNormal)
    {
        ball.AttachLevel(&level);
        ball.SetX(x);
        ball.SetY(y);
        ball.SetSoundPlayer(&player);
        ball.Launch(speed, angle, speedLevel);
    }
    // Advances until the ball stops; returns the number of steps.
    int RunToEnd()
    {
        int steps = 1;
        while (ball.Advance())
            ++steps;
        return steps;
    }
};

} // namespace

TEST(BallPhysics, FirstStepsOnFlatGrassAndSlopedIce)
{
    CLevel level; // 10 x 10 grass, the border its only wall
    CShot shot(level, 5.5, 5.5, 1.0, 0.0);
    shot.ball.SetCellSize(20);
    shot.ball.SetOriginX(5);
    shot.ball.SetOriginY(50);
    EXPECT_EQ(shot.ball.GetRect(), (CRect{108, 153, 124, 169}));
    shot.ball.Step();
    EXPECT_DOUBLE_EQ(shot.ball.GetX(), 5.505);
    EXPECT_DOUBLE_EQ(shot.ball.GetY(), 5.5);
    EXPECT_DOUBLE_EQ(shot.ball.GetSpeed(), 1.0 - kGrassFriction);
    EXPECT_EQ(shot.ball.GetAngle(), 0.0);

    // The slope's pull, then the ice's friction.
    SetCell(level, 5, 5, Ice, 0);
    CShot still(level, 5.5, 5.5, 0.0, 0.0);
    still.ball.Step();
    EXPECT_EQ(still.ball.GetAngle(), 0.0);
    EXPECT_DOUBLE_EQ(still.ball.GetSpeed(), kPull * (1.0 - 0.42 / 200));
}

// Whole shots to their end: how many steps, where and how the ball ends, what was heard.
TEST(BallPhysics, ShotsToTheirEnd)
{
    CLevel level;
    SetCell(level, 7, 5, Water);
    level.FillRect(1, 7, 3, 9, Solid, 0, Hole, NoSlope, Hole, NoSlope);
    struct CCase {
        const char* what;
        double x, y, speed;
        int speedLevel;
        bool soundOn;
        int steps;
        const char* end;
        std::vector<std::string> heard;
    };
    const CCase cases[] = {
        // Slow from the first step: the 202nd slow step stops the ball.
        {"slow on grass", 5.5, 3.5, 0.4, CBall::kNormal, true, 202, "rest", {}},
        {"into water", 5.5, 5.5, 10.0, CBall::kNormal, true, 32, "water", {CBall::kWaterSound}},
        // A step longer than the radius jumps the border unseen: treated as water.
        {"over the border", 9.5, 2.5, 200.0, CBall::kNormal, false, 1, "water", {}},
        // Drops in on the first step and shrinks by 0.01 a step until the radius is below 0; the
        // cup is heard at Ultra speed too.
        {"into the cup", 2.5, 8.5, 0.0, CBall::kUltra, true, 35, "cup", {CBall::kInCupSound}},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.what);
        CShot shot(level, c.x, c.y, c.speed, 0.0, c.speedLevel);
        shot.ball.SetSoundOn(c.soundOn);
        EXPECT_EQ(shot.RunToEnd(), c.steps);
        EXPECT_EQ(shot.ball.IsInCup() ? "cup" : shot.ball.WasPutBack() ? "water" : "rest", std::string(c.end));
        // Put back where it was shot from; sunk where it dropped in.
        if (c.end != std::string("rest")) {
            EXPECT_EQ(shot.ball.GetX(), c.x);
            EXPECT_EQ(shot.ball.GetY(), c.y);
        }
        EXPECT_EQ(shot.player.Played(), c.heard);
        if (c.speedLevel == CBall::kUltra) {
            EXPECT_LT(shot.ball.GetRadius(), 0.0);
            EXPECT_FALSE(shot.ball.Tick());
        }
    }
    // The slow-step count carries over: a new slow shot stops on its first step; a fast shot
    // resets it and rolls on.
    CShot shot(level, 5.5, 3.5, 0.4, 0.0);
    shot.RunToEnd();
    shot.ball.Launch(0.3, 0.0, CBall::kNormal);
    EXPECT_FALSE(shot.ball.Advance());
    shot.ball.Launch(5.0, kPi, CBall::kNormal);
    EXPECT_TRUE(shot.ball.Advance());
    EXPECT_TRUE(shot.ball.Advance());
}

// A wall heard, or silent at Ultra speed, is in the trace corpus's steps; here the head-on loss
// and a wall unheard with the sound off.
TEST(BallPhysics, HeadOnWallReversesAndDamps)
{
    CLevel level;
    level.FillRect(6, 0, 9, 9, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    CShot shot(level, 5.7, 5.5, 1.0, 0.0);
    shot.ball.SetSoundOn(false);
    shot.ball.Step();
    EXPECT_NEAR(std::abs(shot.ball.GetAngle()), kPi, 1e-9);
    EXPECT_NEAR(shot.ball.GetSpeed() / (1.0 - kGrassFriction), 0.8134, 5e-4);
    EXPECT_TRUE(shot.player.Played().empty());
}
