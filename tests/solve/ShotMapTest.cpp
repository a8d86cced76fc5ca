// The map of every first shot and its drawing.
#include "solve/ShotMap.h"

#include "SolveLevels.h"
#include "render/DeviceContext.h"
#include "render/LevelImage.h"
#include "solve/ShotPlayer.h"
#include "solve/ShotSet.h"

#include <gtest/gtest.h>

namespace {

CLevel MakeMapLevel()
{
    CLevel level = MakeCourse(9, 6, 2.5, 2.5);
    SetCell(level, 6, 2, Hole);
    level.FillRect(1, 4, 7, 4, Solid, 0, Water, NoSlope, Water, NoSlope);
    return level;
}

} // namespace

TEST(ShotMapThreads, EveryFirstShotAndItsEnd)
{
    const CLevel level = MakeMapLevel();
    CShotMap map;
    ASSERT_TRUE(map.Make(level, 12, 2));
    // Heading by heading, weakest first.
    const CShotSet set(12);
    std::vector<CShot> shots;
    for (int heading = 0; heading < 12; ++heading) {
        std::vector<int> steps;
        CShotSet::GetStrengthSteps(level, 2.5, 2.5, set.GetHeading(heading), steps);
        for (const int step : steps)
            shots.push_back({CShotSet::GetStrength(step), set.GetHeading(heading)});
    }
    ASSERT_EQ(map.GetShots().size(), shots.size());

    // Each entry is the shot played alone; water ends where the ball went in.
    CShotPlayer player(level);
    int outcomes[4] = {};
    for (std::size_t i = 0; i < map.GetShots().size(); ++i) {
        const CMapShot& mapped = map.GetShots()[i];
        const CShot& shot = shots[i];
        ASSERT_EQ(mapped.shot, shot);
        const CPlayedShot played = player.Play(CShotPlayer::StartState(level), shot, true);
        ASSERT_EQ(mapped.result, played.result);
        EXPECT_EQ(mapped.end.x, played.path.back().x);
        EXPECT_EQ(mapped.end.y, played.path.back().y);
        ++outcomes[mapped.result];
    }
    EXPECT_GT(outcomes[ShotRest], 0);
    EXPECT_GT(outcomes[ShotWater], 0);
    ASSERT_GT(outcomes[ShotCup], 0);
    ASSERT_EQ(map.GetCupShots().size(), static_cast<std::size_t>(outcomes[ShotCup]));
    EXPECT_GE(map.GetCupShots()[0].path.back().y, 2.0);

    CShotMap single;
    std::atomic<long long> played = 0;
    ASSERT_TRUE(single.Make(level, 12, 1, nullptr, &played));
    EXPECT_EQ(played, static_cast<long long>(map.GetShots().size()));
    for (std::size_t i = 0; i < map.GetShots().size(); ++i)
        EXPECT_EQ(single.GetShots()[i].end.x, map.GetShots()[i].end.x);

    std::atomic<bool> cancel = true;
    CShotMap cancelled;
    EXPECT_FALSE(cancelled.Make(level, 12, 2, &cancel));
    EXPECT_TRUE(cancelled.GetShots().empty());
}

TEST(ShotMap, DrawsADotAtEveryEndAndThePathsIntoTheCup)
{
    const CLevel level = MakeMapLevel();
    CShotMap map;
    ASSERT_TRUE(map.Make(level, 12, 1));
    const int cell = 20;
    CRasterImage image;
    ASSERT_TRUE(RenderLevelImage(level, cell, true, image));
    const CRasterImage plain = image;
    CDeviceContext dc(image);
    map.Draw(dc, 0, 0, cell);

    auto pixelAt = [&](const CPathPoint& point) {
        return image.GetPixel(static_cast<int>(point.x * cell), static_cast<int>(point.y * cell));
    };
    bool colours[3] = {};
    for (const CMapShot& shot : map.GetShots()) {
        const Colour colour = pixelAt(shot.end);
        EXPECT_NE(colour, plain.GetPixel(static_cast<int>(shot.end.x * cell), static_cast<int>(shot.end.y * cell)));
        if (shot.result == ShotCup)
            colours[0] = colours[0] || colour == MakeRgb(255, 230, 0);
        else if (shot.result == ShotWater)
            colours[1] = colours[1] || colour == MakeRgb(0, 220, 255);
        else
            colours[2] = colours[2] || colour == MakeRgb(245, 245, 245);
    }
    EXPECT_TRUE(colours[0] && colours[1] && colours[2]);
    // The path into the cup, where no dot covers it.
    const std::vector<CPathPoint>& path = map.GetCupShots()[0].path;
    std::size_t onPath = 0;
    for (const CPathPoint& point : path)
        onPath += pixelAt(point) == MakeRgb(255, 150, 0);
    EXPECT_GT(onPath, path.size() / 2);
}
