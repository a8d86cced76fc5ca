#include "file/Archive.h"
#include "file/LevelText.h"
#include "model/Level.h"

#include "common/AllocationMeter.h"
#include "common/LevelBytes.h"
#include "common/TestBlocks.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The 2 x 2 example level: empty, wall / triangle over water, cup.
CLevel ExampleLevel()
{
    CLevel level;
    level.Init(2, 2, "Test", "Me");
    level.Clear();
    level.SetBlock(1, 0, MakeBlock(Solid, 0, Wall, 8, Grass, 8));
    level.SetBlock(0, 1, MakeBlock(Triangle, 1, Grass, 8, Water, 8));
    level.SetBlock(1, 1, MakeBlock(Solid, 0, Hole, 8, Grass, 8));
    level.SetBall(1.0, 1.0);
    return level;
}

std::tm ExampleTime()
{
    std::tm t{};
    t.tm_year = 2004 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 5;
    t.tm_yday = 64;
    t.tm_hour = 14;
    t.tm_min = 7;
    t.tm_sec = 9;
    return t;
}

std::string Header(int width, int height, const std::string& first = "Quorvale1")
{
    return "{" + first + "}\r\n{id}\r\n{n}{c}\r\n{" + std::to_string(width) + "}{" + std::to_string(height) +
           "}\r\n{1.000000}{1.000000}\r\n";
}

} // namespace

TEST(LevelText, WorkedExampleByteForByte)
{
    CLevel level = ExampleLevel();
    level.MakeId(ExampleTime());
    const std::string expected = "{Quorvale1}\r\n{-28330017200403065140509}\r\n{Test}{Me}\r\n{2}{2}\r\n"
                                 "{1.000000}{1.000000}\r\n{$}{S0T8}\r\n{T1G8W8}{S0H8}\r\n";
    EXPECT_EQ(level.WriteText(), expected);
    // Stored: a new identity, the text after its length, and the level no longer modified.
    level.SetModified(true);
    std::ostringstream out;
    CArchive archive(out);
    ASSERT_TRUE(level.Store(archive));
    const std::string stored = level.WriteText();
    EXPECT_NE(stored, expected);
    EXPECT_EQ(out.str(), static_cast<char>(stored.size()) + stored);
    EXPECT_FALSE(level.IsModified());

    // Read back, the Solid cells have a front of Grass/0, so the hash changes.
    CLevel back;
    ASSERT_TRUE(back.ReadText(expected));
    EXPECT_EQ(back.GetCellFrontRotation(1, 0), 0);
    EXPECT_EQ(back.GetCellFrontKind(0, 1), Water);
    EXPECT_EQ(back.GetId(), "-28330017200403065140509");
    back.MakeId(ExampleTime());
    EXPECT_NE(back.GetId(), "-28330017200403065140509");
}

TEST(LevelText, BlockCodes)
{
    EXPECT_EQ(MakeBlock(Triangle, 2, Ice, 3, Ice, 3).ToCode(), "S2I3");
    CBlock block = MakeBlock(Circle, 3, Sand, 1, Water, 2);
    EXPECT_EQ(block.ToCode(), "C3S1W2");
    EXPECT_FALSE(block.FromCode("X9Q"));
    EXPECT_EQ(block.ToCode(), "C3S1W2");
    // Unknown letters read as Solid and Grass, an invalid digit keeps the reset rotation, and a
    // Solid code's front is Grass/0.
    const std::pair<const char*, std::array<int, 6>> codes[] = {
        {"S2I3", {Solid, 2, Ice, 3, Grass, 0}},
        {"X9Q7", {Solid, 0, Grass, 7, Grass, 0}},
        {"C5G9", {Circle, 0, Grass, NoSlope, Grass, NoSlope}},
        {"$", Values(CBlock())},
    };
    for (const auto& [code, values] : codes) {
        EXPECT_TRUE(block.FromCode(code));
        EXPECT_EQ(Values(block), values) << code;
    }
}

TEST(LevelText, RejectedHeadersAndSizesLeaveTheLevelAlone)
{
    CLevel level = ExampleLevel();
    level.SetModified(true);
    std::string why;
    EXPECT_FALSE(level.ReadText(Header(3, 3, "Quorvale2") + "{$}", &why));
    EXPECT_EQ(why, "unknown header");
    for (const int width : {1, -3}) {
        EXPECT_FALSE(level.ReadText(Header(width, 5), &why));
        EXPECT_EQ(why, "width or height below 2") << width;
    }
    EXPECT_FALSE(level.ReadText("", &why));
    // Beyond a million cells, or more cells than the text has non-empty fields for: refused
    // before a grid is allocated.
    std::string cells;
    for (int i = 0; i < 1001 * 1000; ++i)
        cells += "{$}";
    const std::string tooLarge = Header(1001, 1000) + cells;
    {
        CAllocationMeter meter;
        EXPECT_FALSE(level.ReadText(tooLarge, &why));
        EXPECT_LT(meter.GetPeakBytes(), 10'000u);
    }
    EXPECT_EQ(why, "size 1001 x 1000 is more than the 1000000 cells a level may have");
    EXPECT_FALSE(level.ReadText(Header(200, 200) + cells.substr(0, 3 * 39999) + "{}{$}", &why));
    EXPECT_EQ(why, "size larger than the cells in the file");
    EXPECT_EQ(level.GetWidth(), 2);
    EXPECT_EQ(level.GetName(), "Test");
    EXPECT_EQ(level.GetCellBackKind(1, 1), Hole);
    EXPECT_TRUE(level.IsModified());

    // Load clears the flag whatever the verdict.
    EXPECT_FALSE(ReadLevel(ArchiveOf(Header(1, 5)), level));
    EXPECT_FALSE(level.IsModified());
}

TEST(LevelText, MissingCellFieldKeepsWhatWasRead)
{
    CLevel level;
    level.FillRect(0, 0, 9, 9, MakeBlock(Solid, 0, Sand, 8, Grass, 8));
    std::string why;
    // 3 x 2: five cells present, the last one missing.
    EXPECT_FALSE(level.ReadText(Header(3, 2) + "{S0T8}{S0T8}{S0T8}\r\n{S0I8}{}{S0I8}", &why));
    EXPECT_EQ(why, "missing cell field");
    EXPECT_EQ(level.GetWidth(), 3);
    EXPECT_EQ(level.GetName(), "n");
    EXPECT_EQ(level.GetCellBackKind(2, 0), Wall);
    EXPECT_EQ(level.GetCellBackKind(0, 1), Ice);
    EXPECT_EQ(level.GetCellBackKind(1, 1), Sand); // kept from before
}

TEST(LevelText, OldHeadersAndLooseLayout)
{
    CLevel alfa1;
    ASSERT_TRUE(alfa1.ReadText(Header(2, 2, "Quorvael alfa1") + "{T1G2W8}{S0G3}{S1G?}{$}"));
    EXPECT_EQ(alfa1.GetBlock(0, 0).ToCode(), "T1G0W2");
    EXPECT_EQ(alfa1.GetBlock(1, 0).ToCode(), "S0G7");
    EXPECT_EQ(alfa1.GetCellBackRotation(0, 1), 8); // a non-digit keeps the reset rotation

    CLevel alfa2;
    ASSERT_TRUE(alfa2.ReadText("junk" + Header(2, 2, "Quorvale alfa2") + "{T1G2W8}{S0G3}{S1I4}{$} and more {x}"));
    EXPECT_EQ(alfa2.GetBlock(0, 0).ToCode(), "T1G2W8");
    EXPECT_EQ(alfa2.GetCellBackKind(0, 1), Ice);

    CLevel numbers;
    ASSERT_TRUE(numbers.ReadText("{Quorvale1}{}{}{}{ 3x}{+2}{1.5e0z}{nan}{$}{$}{$}{$}{$}{$}"));
    EXPECT_EQ(numbers.GetWidth(), 3);
    EXPECT_EQ(numbers.GetBallX(), 1.5);
    EXPECT_DOUBLE_EQ(numbers.GetBallY(), 0.35);
}

TEST(LevelText, NextFieldConsumesUpToTheClosingBrace)
{
    std::string_view text = "ab{one}{two} {three";
    EXPECT_EQ(NextField(text), "one");
    EXPECT_EQ(text, "{two} {three");
    EXPECT_EQ(NextField(text), "two");
    EXPECT_EQ(NextField(text), "");
    EXPECT_TRUE(text.empty());
}
