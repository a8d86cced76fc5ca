#include "LevelFileChecks.h"

#include "FuzzCheck.h"
#include "file/Archive.h"
#include "file/LevelText.h"
#include "file/NumberText.h"
#include "model/Level.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <string_view>

namespace {

// The transformations go over every cell several times, ten thousand of a 99 x 99 level: they
// run only on levels up to this many cells.
constexpr int kLargestTransformed = 32 * 32;

CLevel MakeFilledLevel()
{
    CLevel level;
    level.Init(4, 3, "before", "fuzz");
    for (int x = 0; x < level.GetWidth(); ++x)
        for (int y = 0; y < level.GetHeight(); ++y)
            level.SetBlock(x, y, (x + y) % 5, x % 4, (x * 3 + y) % 6, (x + 2 * y) % 9, (x + y * 5) % 6, y % 9);
    level.SetBall(2.5, 1.5);
    level.SetModified(false);
    return level;
}

// The level every file is read into: small, so that copying it costs less than a new level's
// hundred cells, and full of content that a refused file must leave alone.
const CLevel& Before()
{
    static const CLevel level = MakeFilledLevel();
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

// Each check below starts with work = level: assigning a level of the same size reuses the
// cells of work, where a fresh copy would allocate them again.
void CheckTransforms(const CLevel& level, CLevel& work)
{
    const std::string codes = BlockCodes(level);
    work = level;
    for (int turn = 0; turn < 4; ++turn)
        work.Rotate90();
    FuzzCheck(work.GetWidth() == level.GetWidth() && BlockCodes(work) == codes, "four quarter turns");
    // The ball moves by subtractions from the height, exact up to the rounding of each one.
    FuzzCheck(std::abs(work.GetBallX() - level.GetBallX()) < 1e-9 && std::abs(work.GetBallY() - level.GetBallY()) < 1e-9,
              "four quarter turns bring the ball back");
    work = level;
    work.FlipHorizontal();
    work.FlipVertical();
    work.FlipHorizontal();
    work.FlipVertical();
    FuzzCheck(BlockCodes(work) == codes, "two mirrors each way");
}

void CheckFloodFill(const CLevel& level, CLevel& work, CLevel& again, const std::uint8_t* data, std::size_t size)
{
    work = level;
    // The fill's cell and block come from the input too.
    const int x = size > 0 ? data[0] % (work.GetWidth() + 2) - 1 : 0;
    const int y = size > 1 ? data[1] % (work.GetHeight() + 2) - 1 : 0;
    CBlock fill;
    fill.Set(size > 2 ? data[2] % 5 : 0, size > 3 ? data[3] % 4 : 0, size > 4 ? data[4] % 6 : 1,
             size > 5 ? data[5] % 9 : 8, size > 6 ? data[6] % 6 : 0, size > 7 ? data[7] % 9 : 8);
    const CBlock start = work.GetBlock(x, y);
    work.FloodFill(x, y, fill);
    if (work.IsInside(x, y) && !(start == fill))
        FuzzCheck(work.GetBlock(x, y).ToCode() == fill.ToCode(), "the fill sets its start cell");
    CheckRoundTrip(work, again);
}

// Last, as cropping shrinks work.
void CheckMakeFit(const CLevel& level, CLevel& work)
{
    work = level;
    const CCellRect used = work.GetUsedArea();
    work.MakeFit();
    FuzzCheck(work.GetWidth() == used.right - used.left && work.GetHeight() == used.bottom - used.top,
              "crop to the used area");
    const CCellRect after = work.GetUsedArea();
    FuzzCheck(after == (CCellRect{0, 0, work.GetWidth(), work.GetHeight()}), "a cropped level is all used");
    CheckBallInside(work);
    work.WriteText();
}

} // namespace

// Inside as the clamp tests it: x + r > width moves the ball, where x > width - r might round
// the other way.
void CheckBallInside(const CLevel& level)
{
    const double r = CLevel::kBallRadius;
    FuzzCheck(level.GetBallX() - r >= 0 && level.GetBallX() + r <= level.GetWidth(), "ball x inside the level");
    FuzzCheck(level.GetBallY() - r >= 0 && level.GetBallY() + r <= level.GetHeight(), "ball y inside the level");
}

// The written text reads back into the same level (again, which holds other content) and
// writes the same text again.
void CheckRoundTrip(const CLevel& level, CLevel& again)
{
    const std::string text = level.WriteText();
    FuzzCheck(again.ReadText(text), "a written level reads back");
    FuzzCheck(again.WriteText() == text, "a written level writes the same text again");
}

std::int64_t DeclaredCells(const std::uint8_t* data, std::size_t size)
{
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    CArchive archive(stream);
    std::string source;
    if (!archive.ReadString(source))
        return 0;
    std::string_view text = source;
    for (int field = 0; field < 4; ++field) // header, id, name, creator
        NextField(text);
    const std::int64_t width = std::max(ParseIntPrefix(NextField(text)), 0);
    const std::int64_t height = std::max(ParseIntPrefix(NextField(text)), 0);
    return width * height;
}

void CheckLevelFile(const std::uint8_t* data, std::size_t size)
{
    static const std::string beforeText = Before().WriteText();
    CLevel level = Before();
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    CArchive archive(stream);
    std::string why;
    const bool accepted = level.Load(archive, &why);
    FuzzCheck(!level.IsModified(), "a load leaves the level unmodified");
    // Only a missing cell field may leave the level partly read; every other refusal keeps it,
    // and the checks below would only repeat themselves on the same level.
    if (!accepted && why != "missing cell field") {
        FuzzCheck(level.WriteText() == beforeText, "a refused file leaves the level as it was");
        return;
    }
    FuzzCheck(level.GetWidth() >= 2 && level.GetHeight() >= 2, "a loaded level is at least 2 x 2");
    FuzzCheck(CLevel::IsAllowedSize(level.GetWidth(), level.GetHeight()), "a loaded level has at most a million cells");
    CheckBallInside(level);
    CLevel again = Before();
    CheckRoundTrip(level, again);
    if (level.GetWidth() * level.GetHeight() <= kLargestTransformed) {
        CLevel work = level;
        CheckTransforms(level, work);
        CheckFloodFill(level, work, again, data, size);
        CheckMakeFit(level, work);
    }
}
