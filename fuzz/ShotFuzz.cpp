// Test-mode shots on hostile levels, stepped on the calling thread as quorvale-level shoot steps
// them: any blocks, any ball start, any finite strength and heading, one or two shots in a row
// from wherever the ball came to rest (a ball in the cup is put back on the start, as entering
// test mode again does). After every step the ball is finite and inside the level, its radius
// in range; a shot that stops has sunk into the cup, been put back on its start, or come to rest
// slowly; the ball draws and reports its rectangle at every stage without overflowing a pixel
// coordinate.
#include "FuzzCheck.h"
#include "HostileLevel.h"
#include "render/DeviceContext.h"
#include "render/RasterImage.h"
#include "sim/Ball.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>

namespace {

// Sides of the hostile levels: the ball's rules are local, a larger level only adds more cells
// of the same kinds.
constexpr int kMaxSide = 12;
// Steps a shot may take here (quorvale-level shoot allows a million by default). A step near
// walls costs microseconds under the sanitizers, so the limit keeps a run near a millisecond:
// slow shots come to rest within it (202 slow steps), one that rolls on stops here as one
// rolling round a ring of slopes stops at the command line's limit.
constexpr int kStepLimit = 600;
// The ball is drawn after this many steps and at the end of every shot, as the view repaints.
constexpr int kDrawEvery = 200;
constexpr int kCell = 6;

double ConsumeStrength(FuzzedDataProvider& input)
{
    // What a click on a level of kMaxSide cells gives (3 per whole cell of distance), or any
    // finite number, as the command line accepts.
    return input.ConsumeBool() ? input.ConsumeFloatingPoint<double>() : input.ConsumeFloatingPointInRange(0.0, 48.0);
}

double ConsumeAngle(FuzzedDataProvider& input)
{
    return input.ConsumeBool() ? input.ConsumeFloatingPoint<double>()
                               : input.ConsumeFloatingPointInRange(-2 * std::numbers::pi, 2 * std::numbers::pi);
}

void CheckBall(const CBall& ball, const CLevel& level)
{
    FuzzCheck(std::isfinite(ball.GetX()) && std::isfinite(ball.GetY()), "the ball's position stays finite");
    FuzzCheck(level.IsPointInside(ball.GetX(), ball.GetY()), "the ball's centre stays inside the level");
    FuzzCheck(ball.GetRadius() <= CLevel::kBallRadius && ball.GetRadius() >= -0.011, "the radius stays in range");
}

// What the view does with a ball it shows: its rectangle for invalidating, then the drawing.
void Draw(CBall& ball, CRasterImage& image)
{
    const CRect rect = ball.GetRect();
    FuzzCheck(rect.left <= rect.right && rect.top <= rect.bottom, "the ball's rectangle is ordered");
    CDeviceContext dc(image);
    ball.Draw(dc, false);
}

void CheckShotEnd(const CBall& ball, double startX, double startY)
{
    if (ball.IsInCup())
        FuzzCheck(ball.GetRadius() < 0, "a ball in the cup stops once it has sunk");
    else if (ball.WasPutBack())
        FuzzCheck(ball.GetX() == startX && ball.GetY() == startY, "a ball put back lies on its start");
    else
        FuzzCheck(ball.GetSpeed() >= 0 && ball.GetSpeed() <= 0.47, "a ball comes to rest slowly");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int shots = input.ConsumeIntegralInRange(1, 2);
    double strength[2];
    double angle[2];
    for (int shot = 0; shot < shots; ++shot) {
        strength[shot] = ConsumeStrength(input);
        angle[shot] = ConsumeAngle(input);
    }
    const bool sound = input.ConsumeBool(); // no player: only the ball's own decisions differ
    const CLevel level = DecodeHostileLevel(input, kMaxSide);

    CRasterImage image(level.GetWidth() * kCell + 1, level.GetHeight() * kCell + 1);
    CBall ball(0);
    ball.SetCellSize(kCell);
    ball.SetSoundOn(sound);
    for (int shot = 0; shot < shots; ++shot) {
        if (shot == 0 || ball.IsInCup())
            ball.AttachLevel(&level);
        const double startX = ball.GetX();
        const double startY = ball.GetY();
        ball.Launch(strength[shot], angle[shot], CBall::kNormal);
        bool moving = true;
        for (int step = 1; moving && step <= kStepLimit; ++step) {
            moving = ball.Advance();
            CheckBall(ball, level);
            if (step % kDrawEvery == 0)
                Draw(ball, image);
        }
        if (moving)
            ball.Stop(); // what the user's Space does; the command line reports 'moving'
        else
            CheckShotEnd(ball, startX, startY);
        Draw(ball, image);
    }
    return 0;
}
