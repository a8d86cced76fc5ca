#include "sim/Ball.h"

#include "SimFakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kGrassFriction = 0.602 / 200;

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

TEST(BallPhysics, StepOnFlatGrassAndRect)
{
    const CLevel level = MakeGrassLevel();
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
    EXPECT_TRUE(shot.ball.IsMoving());
    EXPECT_TRUE(shot.player.Played().empty());
}

TEST(BallPhysics, FirstStepOnSlopedIce)
{
    CLevel level = MakeGrassLevel();
    SetCell(level, 5, 5, Ice, 0);
    CShot shot(level, 5.5, 5.5, 0.0, 0.0);
    shot.ball.Step();
    const double g = 9.82 * std::sin(40.0 * kPi / 180.0);
    EXPECT_EQ(shot.ball.GetAngle(), 0.0);
    EXPECT_DOUBLE_EQ(shot.ball.GetSpeed(), g / 200 * (1.0 - 0.42 / 200));
    EXPECT_NEAR(shot.ball.GetSpeed(), 0.031495, 1e-6);
}

TEST(BallPhysics, ComingToRest)
{
    const CLevel level = MakeGrassLevel();
    CShot shot(level, 5.5, 5.5, 0.4, 0.0);
    // Slow from the first step: the 202nd slow step stops the ball.
    EXPECT_EQ(shot.RunToEnd(), 202);
    // The slow-step count carries over: a new slow shot stops on its first step.
    shot.ball.Launch(0.3, 0.0, CBall::kNormal);
    EXPECT_FALSE(shot.ball.Advance());
    // A fast shot resets it and rolls on.
    shot.ball.Launch(5.0, kPi, CBall::kNormal);
    EXPECT_TRUE(shot.ball.Advance());
    EXPECT_TRUE(shot.ball.Advance());
}

TEST(BallPhysics, WaterAndLevelEdgePutTheBallBack)
{
    CLevel level = MakeGrassLevel();
    SetCell(level, 7, 5, Water);
    {
        CShot shot(level, 5.5, 5.5, 10.0, 0.0);
        shot.RunToEnd();
        EXPECT_FALSE(shot.ball.IsMoving());
        EXPECT_TRUE(shot.ball.WasPutBack());
        EXPECT_EQ(shot.ball.GetX(), 5.5);
        EXPECT_EQ(shot.ball.GetY(), 5.5);
        EXPECT_EQ(shot.player.Played(), std::vector<std::string>{CBall::kWaterSound});
    }
    {
        // A step longer than the radius jumps the border unseen: treated as water, sound off.
        CShot shot(level, 9.5, 2.5, 200.0, 0.0);
        shot.ball.SetSoundOn(false);
        EXPECT_FALSE(shot.ball.Advance());
        EXPECT_TRUE(shot.ball.WasPutBack());
        EXPECT_EQ(shot.ball.GetX(), 9.5);
        EXPECT_TRUE(shot.player.Played().empty());
    }
}

TEST(BallPhysics, SinkingInTheCup)
{
    CLevel level = MakeGrassLevel();
    level.FillRect(4, 4, 6, 6, Solid, 0, Hole, NoSlope, Hole, NoSlope);
    CShot shot(level, 5.5, 5.5, 0.0, 0.0, CBall::kUltra);
    // Drops in on the first step and shrinks by 0.01 a step until the radius is below 0.
    EXPECT_EQ(shot.RunToEnd(), 35);
    EXPECT_TRUE(shot.ball.IsInCup());
    EXPECT_LT(shot.ball.GetRadius(), 0.0);
    EXPECT_EQ(shot.ball.GetX(), 5.5);
    EXPECT_FALSE(shot.ball.WasPutBack());
    // The cup sound plays at Ultra speed too.
    EXPECT_EQ(shot.player.Played(), std::vector<std::string>{CBall::kInCupSound});
    EXPECT_FALSE(shot.ball.Tick());
}

TEST(BallPhysics, HeadOnWallReversesAndDampsOnce)
{
    CLevel level = MakeGrassLevel();
    level.FillRect(6, 0, 9, 9, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    CShot shot(level, 5.7, 5.5, 1.0, 0.0);
    shot.ball.Step();
    EXPECT_NEAR(std::abs(shot.ball.GetAngle()), kPi, 1e-9);
    EXPECT_NEAR(shot.ball.GetSpeed() / (1.0 - kGrassFriction), 0.8134, 5e-4);
    EXPECT_EQ(shot.player.Played(), std::vector<std::string>{CBall::kHitWallSound});

    // Pressed against the wall by a slope: mirrored in every step, damped and heard only once.
    SetCell(level, 5, 5, Grass, 0);
    CShot pressed(level, 5.7, 5.5, 0.0, 0.0);
    const double pull = 9.82 * std::sin(40.0 * kPi / 180.0) / 200;
    pressed.ball.Step();
    const double first = pressed.ball.GetSpeed();
    EXPECT_NEAR(first, pull * (1.0 - kGrassFriction), 1e-12);
    pressed.ball.Step();
    EXPECT_NEAR(pressed.ball.GetSpeed(), std::abs(pull - first) * (1.0 - kGrassFriction), 1e-12);
    EXPECT_EQ(pressed.player.Played().size(), 1u);
}

TEST(BallPhysics, GrazingWallAndBorder)
{
    CLevel level = MakeGrassLevel();
    level.FillRect(0, 9, 9, 9, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    // The wall touches the rim only straight to the right of the heading: the heading stays.
    CShot grazing(level, 3.5, 9.0 - 0.35 + 1e-6, 2.0, 0.0);
    grazing.ball.Step();
    EXPECT_NEAR(grazing.ball.GetAngle(), 0.0, 1e-12);
    EXPECT_NEAR(grazing.ball.GetSpeed(), 2.0 * (1.0 - kGrassFriction), 1e-12);

    // The level's border reflects like a wall.
    CShot border(level, 0.3, 4.5, 1.0, kPi);
    border.ball.Step();
    EXPECT_NEAR(std::remainder(border.ball.GetAngle(), 2 * kPi), 0.0, 1e-9);
    EXPECT_GT(border.ball.GetX(), 0.3);
    EXPECT_EQ(border.player.Played(), std::vector<std::string>{CBall::kHitWallSound});
}

TEST(BallPhysics, CupPullsASlowBallIn)
{
    CLevel level = MakeGrassLevel();
    SetCell(level, 6, 5, Hole);
    // Only the right-hand probes touch the cup: the ball is turned toward it and sped up.
    CShot shot(level, 5.9, 5.5, 0.5, kPi / 2);
    shot.ball.Step();
    EXPECT_NEAR(shot.ball.GetAngle(), 0.0, 1e-9);
    EXPECT_NEAR(shot.ball.GetSpeed(), 0.8 * (1.0 - kGrassFriction), 1e-9);
    EXPECT_FALSE(shot.ball.IsInCup());
    shot.RunToEnd();
    EXPECT_TRUE(shot.ball.IsInCup());
    EXPECT_EQ(shot.player.Played(), std::vector<std::string>{CBall::kInCupSound});
}

TEST(BallPhysics, FastBallOverACupCornerRollsOn)
{
    CLevel level = MakeGrassLevel();
    SetCell(level, 6, 6, Hole);
    for (int speedLevel : {CBall::kNormal, CBall::kUltra}) {
        CShot shot(level, 4.5, 5.85, 20.0, 0.0, speedLevel);
        double largestDrop = 0.0;
        double before = shot.ball.GetSpeed();
        for (int i = 0; i < 40; ++i) {
            shot.ball.Advance();
            largestDrop = std::max(largestDrop, before - shot.ball.GetSpeed());
            before = shot.ball.GetSpeed();
        }
        EXPECT_FALSE(shot.ball.IsInCup());
        // The speed the pull added is taken back at once when the ball leaves the cup.
        EXPECT_GT(largestDrop, 3.0);
        const std::vector<std::string> expected =
            speedLevel == CBall::kUltra ? std::vector<std::string>{} : std::vector<std::string>{CBall::kCrowdSound};
        EXPECT_EQ(shot.player.Played(), expected) << "speed level " << speedLevel;
    }
}

TEST(BallPhysics, SoundsAtUltraSpeedAndWithSoundOff)
{
    CLevel level = MakeGrassLevel();
    level.FillRect(6, 0, 9, 9, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    CShot ultra(level, 5.7, 5.5, 1.0, 0.0, CBall::kUltra);
    ultra.ball.Step();
    EXPECT_TRUE(ultra.player.Played().empty());

    CShot silent(level, 5.7, 5.5, 1.0, 0.0);
    silent.ball.SetSoundOn(false);
    silent.ball.Step();
    EXPECT_TRUE(silent.player.Played().empty());
}

// Whole shots over a course of round and slanted walls, slopes, ice, sand and the cup, against
// end states recorded from the plain step (every probe asked, nothing skipped or cached): the
// step must stay exact to the last bit, here and on every machine, or traces stop being
// reproducible.
TEST(BallPhysics, ShotsOverACourseAreExact)
{
    CLevel level;
    level.Init(12, 12, "course", "tests");
    level.DrawFrame(0, 0, 11, 11, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.SetBlock(4, 3, Circle, 0, Grass, NoSlope, Wall, NoSlope);
    level.SetBlock(7, 7, Triangle, 1, Grass, NoSlope, Wall, NoSlope);
    level.SetBlock(1, 10, QuarterDisc, 2, Wall, NoSlope, Grass, NoSlope);
    level.SetBlock(9, 2, HalfDisc, 3, Grass, NoSlope, Wall, NoSlope);
    level.FillRect(2, 6, 4, 8, Solid, 0, Ice, 6, Ice, 6);
    level.FillRect(6, 2, 7, 4, Solid, 0, Sand, NoSlope, Sand, NoSlope);
    level.FillRect(8, 8, 9, 9, Solid, 0, Grass, 3, Grass, 3);
    level.SetBlock(5, 9, Solid, 0, Hole, NoSlope, Hole, NoSlope);
    level.SetBall(2.5, 2.5);
    struct CExpected {
        double strength, angle;
        int steps;
        double x, y, speed, heading;
        bool inCup;
    };
    const CExpected shots[] = {
        {90, 0.9, 703, 5.2075386297036728, 9.5994327375240118, 1.7220823985664988, -0.80191591501715775, true},
        {90, 2.2, 723, 5.8559283681252108, 3.3252617909975521, 0.1744387014758973, 2.4949104878197099, false},
        {45, -1.2, 1395, 4.365001465880864, 9.7217006756060549, 0.25615020430342839, -1.2414718824843289, false},
    };
    for (const CExpected& expected : shots) {
        CShot shot(level, 2.5, 2.5, expected.strength, expected.angle);
        EXPECT_EQ(shot.RunToEnd(), expected.steps);
        EXPECT_EQ(shot.ball.GetX(), expected.x);
        EXPECT_EQ(shot.ball.GetY(), expected.y);
        EXPECT_EQ(shot.ball.GetSpeed(), expected.speed);
        EXPECT_EQ(shot.ball.GetAngle(), expected.heading);
        EXPECT_EQ(shot.ball.IsInCup(), expected.inCup);
    }
}
