// Arbitrary bytes read as a level file the way Open reads one: the archive string, then the level
// text, into a level that already holds content. Whatever was read then goes through writing,
// reading back, the whole-level transformations, cropping and the flood fill.
#include "FuzzCheck.h"
#include "file/Archive.h"
#include "model/Level.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

// A text of a few bytes may size a level up to 99 x 99 cells; every copy of such a level costs
// ten thousand allocations under the sanitizers. The reader and writer see every size, the
// transformations only levels up to this many cells, which keeps the runs fast.
constexpr int kLargestTransformed = 32 * 32;

CLevel MakeFilledLevel()
{
    CLevel level;
    level.Init(7, 5, "before", "fuzz");
    for (int x = 0; x < level.GetWidth(); ++x)
        for (int y = 0; y < level.GetHeight(); ++y)
            level.SetBlock(x, y, (x + y) % 5, x % 4, (x * 3 + y) % 6, (x + 2 * y) % 9, (x + y * 5) % 6, y % 9);
    level.SetBall(2.5, 1.5);
    level.SetModified(false);
    return level;
}

std::string BlockCodes(const CLevel& level)
{
    std::string codes;
    for (int y = 0; y < level.GetHeight(); ++y)
        for (int x = 0; x < level.GetWidth(); ++x)
            level.GetBlock(x, y).AppendCode(codes);
    return codes;
}

void CheckBallInside(const CLevel& level)
{
    const double r = CLevel::kBallRadius;
    FuzzCheck(level.GetBallX() >= r && level.GetBallX() <= level.GetWidth() - r, "ball x inside the level");
    FuzzCheck(level.GetBallY() >= r && level.GetBallY() <= level.GetHeight() - r, "ball y inside the level");
}

// The written text reads back into the same level and writes the same text again.
void CheckRoundTrip(const CLevel& level)
{
    const std::string text = level.WriteText();
    CLevel again;
    FuzzCheck(again.ReadText(text), "a written level reads back");
    FuzzCheck(again.WriteText() == text, "a written level writes the same text again");
}

void CheckTransforms(const CLevel& level)
{
    const std::string codes = BlockCodes(level);
    CLevel turned = level;
    for (int turn = 0; turn < 4; ++turn)
        turned.Rotate90();
    FuzzCheck(turned.GetWidth() == level.GetWidth() && BlockCodes(turned) == codes, "four quarter turns");
    // The ball moves by subtractions from the height, exact up to the rounding of each one.
    FuzzCheck(std::abs(turned.GetBallX() - level.GetBallX()) < 1e-9 &&
                  std::abs(turned.GetBallY() - level.GetBallY()) < 1e-9,
              "four quarter turns bring the ball back");
    CLevel mirrored = level;
    mirrored.FlipHorizontal();
    mirrored.FlipVertical();
    mirrored.FlipHorizontal();
    mirrored.FlipVertical();
    FuzzCheck(BlockCodes(mirrored) == codes, "two mirrors each way");
}

void CheckMakeFit(CLevel level)
{
    const CCellRect used = level.GetUsedArea();
    level.MakeFit();
    FuzzCheck(level.GetWidth() == used.right - used.left && level.GetHeight() == used.bottom - used.top,
              "crop to the used area");
    const CCellRect after = level.GetUsedArea();
    FuzzCheck(after == (CCellRect{0, 0, level.GetWidth(), level.GetHeight()}), "a cropped level is all used");
    CheckBallInside(level);
    level.WriteText();
}

void CheckFloodFill(CLevel level, const std::uint8_t* data, std::size_t size)
{
    // The fill's cell and block come from the input too.
    const int x = size > 0 ? data[0] % (level.GetWidth() + 2) - 1 : 0;
    const int y = size > 1 ? data[1] % (level.GetHeight() + 2) - 1 : 0;
    CBlock fill;
    fill.Set(size > 2 ? data[2] % 5 : 0, size > 3 ? data[3] % 4 : 0, size > 4 ? data[4] % 6 : 1,
             size > 5 ? data[5] % 9 : 8, size > 6 ? data[6] % 6 : 0, size > 7 ? data[7] % 9 : 8);
    const CBlock start = level.GetBlock(x, y);
    level.FloodFill(x, y, fill);
    if (level.IsInside(x, y) && !(start == fill))
        FuzzCheck(level.GetBlock(x, y).ToCode() == fill.ToCode(), "the fill sets its start cell");
    CheckRoundTrip(level);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CLevel before = MakeFilledLevel();
    static const std::string beforeText = before.WriteText();
    CLevel level = before;
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    CArchive archive(stream);
    std::string why;
    const bool accepted = level.Load(archive, &why);
    FuzzCheck(!level.IsModified(), "a load leaves the level unmodified");
    // Only a missing cell field may leave the level partly read; every other refusal keeps it.
    if (!accepted && why != "missing cell field")
        FuzzCheck(level.WriteText() == beforeText, "a refused file leaves the level as it was");
    FuzzCheck(level.GetWidth() >= 2 && level.GetHeight() >= 2, "a loaded level is at least 2 x 2");
    CheckBallInside(level);
    CheckRoundTrip(level);
    if (level.GetWidth() * level.GetHeight() <= kLargestTransformed) {
        CheckTransforms(level);
        CheckMakeFit(level);
        CheckFloodFill(level, data, size);
    }
    return 0;
}
