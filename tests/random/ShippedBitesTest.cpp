#include "RandomFixtures.h"

#include <gtest/gtest.h>

// Each side is a door (blocks 2..4 open along the edge, the rest wall) or wall all along.
TEST(ShippedBites, DoorsOnExactlyTheSidesTheWalkExpects)
{
    const struct {
        const char* file;
        const char* doors; // of "NESW"
    } kBites[] = {{"utslag7.lev", "E"}, {"runtutslag7.lev", "E"}, {"hal27.lev", "E"},  {"runthal27.lev", "E"},
                  {"horn7.lev", "SW"},  {"snetthorn7.lev", "SW"},  {"runthorn7.lev", "SW"}, {"vetinte7.lev", "EW"}};
    for (const auto& entry : kBites) {
        CLevel bite;
        ASSERT_TRUE(bite.LoadFromFile(ShippedBiteFolder() + entry.file)) << entry.file;
        ASSERT_EQ(bite.GetWidth(), 7);
        ASSERT_EQ(bite.GetHeight(), 7);
        for (const char side : std::string("NESW")) {
            const bool door = std::string(entry.doors).find(side) != std::string::npos;
            for (int k = 0; k < 35; ++k) {
                const double along = (k + 0.5) / 5.0;
                const double x = side == 'W' ? 0.05 : side == 'E' ? 6.95 : along;
                const double y = side == 'N' ? 0.05 : side == 'S' ? 6.95 : along;
                EXPECT_EQ(bite.IsWallAt(x, y), !(door && along > 2 && along < 5))
                    << entry.file << " side " << side << " at " << along;
            }
        }
    }
}
