#include "BiteFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

enum Side { North, East, South, West };

// Whether the ground along the outer edge of border block `i` (0..6 along the side) is wall.
// Sampled at five points just inside the edge.
int WallSamples(const CLevel& bite, Side side, int i)
{
    int walls = 0;
    for (int k = 0; k < 5; ++k) {
        const double along = i + (k + 0.5) / 5.0;
        const double x = side == North || side == South ? along : side == West ? 0.05 : 6.95;
        const double y = side == East || side == West ? along : side == North ? 0.05 : 6.95;
        walls += bite.IsWallAt(x, y) ? 1 : 0;
    }
    return walls;
}

// Every side is either closed (wall along all of it) or a door: blocks 2..4 open, the rest wall.
void ExpectOpenings(const CLevel& bite, std::initializer_list<Side> open)
{
    for (Side side : {North, East, South, West}) {
        const bool door = std::find(open.begin(), open.end(), side) != open.end();
        for (int i = 0; i < 7; ++i) {
            const bool inDoor = door && i >= 2 && i <= 4;
            EXPECT_EQ(WallSamples(bite, side, i), inDoor ? 0 : 5) << "side " << side << ", block " << i;
        }
    }
}

CLevel ReadShipped(const std::string& file)
{
    CLevel bite;
    EXPECT_TRUE(bite.LoadFromFile(ShippedBiteFolder() + file)) << file;
    return bite;
}

bool HasHole(const CLevel& bite)
{
    for (int x = 0; x < bite.GetWidth(); ++x)
        for (int y = 0; y < bite.GetHeight(); ++y)
            if (bite.GetKindAt(x + 0.5, y + 0.5) == Hole)
                return true;
    return false;
}

} // namespace

TEST(ShippedBites, OpeningsBallAndCup)
{
    const struct {
        const char* file;
        std::initializer_list<Side> open;
    } kBites[] = {
        {"utslag7.lev", {East}},          {"runtutslag7.lev", {East}}, {"hal27.lev", {East}},
        {"runthal27.lev", {East}},        {"horn7.lev", {West, South}}, {"snetthorn7.lev", {West, South}},
        {"runthorn7.lev", {West, South}}, {"vetinte7.lev", {West, East}},
    };
    for (const auto& entry : kBites) {
        SCOPED_TRACE(entry.file);
        const CLevel bite = ReadShipped(entry.file);
        ASSERT_EQ(bite.GetWidth(), 7);
        ASSERT_EQ(bite.GetHeight(), 7);
        ExpectOpenings(bite, entry.open);
        const bool end = std::string(entry.file).find("hal2") != std::string::npos;
        EXPECT_EQ(HasHole(bite), end);
    }
    // The ball starts on the fairway at the centre, where every turn of the bite keeps it.
    for (const char* start : {"utslag7.lev", "runtutslag7.lev"}) {
        const CLevel bite = ReadShipped(start);
        EXPECT_EQ(bite.GetBallX(), 3.5) << start;
        EXPECT_EQ(bite.GetBallY(), 3.5) << start;
        EXPECT_EQ(bite.GetKindAt(3.5, 3.5), Grass) << start;
    }
}
