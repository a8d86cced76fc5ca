// Well over a thousand whole shots, every step held to the last bit against the digests in
// ball-traces.txt, recorded from the plain step (every rim probe asked, nothing skipped or
// cached). The shots cover the sample level, the bites, random levels and levels made to be
// hard on the wall handling: every shape and rotation of wall block, the border, narrow
// corridors, slopes that press the ball along a wall, corners, grazing and head-on shots, slow
// and very fast ones, at Normal and Ultra speed.
//
// QV_RECORD_BALL_TRACES=1 rewrites the file from the current step instead of comparing; do that
// only for a change that is meant to change how the ball moves.
#include "sim/Ball.h"

#include "SimFakes.h"
#include "random/RandomLevelGenerator.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
// Far more than any shot here needs to come to rest; a shot cut off there is recorded as moving.
constexpr int kMaxSteps = 20000;

// An order-sensitive 64-bit digest: every added word goes through a bijective mix, so any one
// changed value, one bit of one double included, changes the result.
class CDigest {
public:
    void Add(std::uint64_t value)
    {
        m_hash = (m_hash ^ value) * 0x9E3779B97F4A7C15ull;
        m_hash ^= m_hash >> 31;
    }
    void Add(double value) { Add(std::bit_cast<std::uint64_t>(value)); }
    void Add(const std::string& text)
    {
        for (const char c : text)
            Add(static_cast<std::uint64_t>(static_cast<unsigned char>(c)));
        Add(std::uint64_t{text.size()});
    }
    std::uint64_t Get() const { return m_hash; }

private:
    std::uint64_t m_hash = 0x243F6A8885A308D3ull;
};

struct CShotSpec {
    double x, y, strength, angle;
    int speedLevel = CBall::kNormal;
};

// A level and its shots. A chained course plays all its shots with one ball, each from where the
// previous one ended, as test mode does; otherwise every shot starts afresh at its own point.
struct CCourse {
    std::string name;
    CLevel level;
    std::vector<CShotSpec> shots;
    bool chained = false;
};

std::string SourceDir() { return QV_TEST_SOURCE_DIR; }

std::string Hex(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// Every strength at n headings evenly spaced from offset.
void AddFan(CCourse& course, double x, double y, std::initializer_list<double> strengths, int n, double offset = 0.0,
            int speedLevel = CBall::kNormal)
{
    for (const double strength : strengths)
        for (int i = 0; i < n; ++i)
            course.shots.push_back({x, y, strength, offset + 2 * kPi * i / n, speedLevel});
}

// Every strength at every heading given.
void AddShots(CCourse& course, double x, double y, std::initializer_list<double> strengths,
              std::initializer_list<double> angles, int speedLevel = CBall::kNormal)
{
    for (const double strength : strengths)
        for (const double angle : angles)
            course.shots.push_back({x, y, strength, angle, speedLevel});
}

CCourse LoadedCourse(const std::string& name, const std::string& path)
{
    CCourse course{name, {}, {}, false};
    EXPECT_TRUE(course.level.LoadFromFile(path)) << path;
    return course;
}

// Every shape in every rotation as wall on grass, as grass on wall, and as two walls of different
// slopes, on the odd cells of a walled level; the ball starts in the lanes between them.
CCourse ShapeGallery()
{
    CCourse course{"shapes", MakeCourse(17, 17, 1.5, 1.5), {}, false};
    int slot = 0;
    const auto place = [&](int shape, int rotation, int back, int backRotation, int front, int frontRotation) {
        course.level.SetBlock(1 + 2 * (slot % 7), 1 + 2 * (slot / 7), shape, rotation, back, backRotation, front,
                              frontRotation);
        ++slot;
    };
    for (const int shape : {Circle, Triangle, QuarterDisc, HalfDisc, Solid})
        for (int rotation = 0; rotation < 4; ++rotation) {
            place(shape, rotation, Grass, NoSlope, Wall, NoSlope);
            place(shape, rotation, Wall, NoSlope, Ice, 2);
        }
    for (const int shape : {Circle, Triangle, QuarterDisc, HalfDisc})
        place(shape, slot % 4, Wall, 1, Wall, 5);
    for (const double start : {2.5, 8.5, 12.0})
        AddFan(course, start, start, {9, 36, 120}, 32, 0.01);
    AddFan(course, 6.5, 14.35, {4.5, 60}, 24);
    return course;
}

// Corridors one cell and two cells wide, a slanted one of triangles and one lined with half discs,
// shot along at grazing angles and against their ends.
CCourse Corridors()
{
    CCourse course{"corridors", MakeCourse(22, 14, 1.5, 1.5), {}, false};
    CLevel& level = course.level;
    level.FillRect(1, 1, 20, 12, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.FillRect(1, 2, 20, 2, Solid, 0, Grass, NoSlope, Grass, NoSlope);
    level.FillRect(1, 5, 20, 6, Solid, 0, Ice, NoSlope, Ice, NoSlope);
    level.FillRect(19, 2, 19, 11, Solid, 0, Grass, NoSlope, Grass, NoSlope);
    level.FillRect(1, 9, 18, 9, Solid, 0, Grass, NoSlope, Grass, NoSlope);
    level.FillRect(1, 10, 18, 10, HalfDisc, 3, Grass, NoSlope, Wall, NoSlope);
    level.FillRect(1, 8, 18, 8, HalfDisc, 1, Grass, NoSlope, Wall, NoSlope);
    for (int i = 0; i < 5; ++i) {
        level.SetBlock(2 + i, 11 - i, Triangle, 0, Wall, NoSlope, Grass, NoSlope);
        level.SetBlock(3 + i, 11 - i, Triangle, 2, Wall, NoSlope, Grass, NoSlope);
    }
    const auto along = {0.0, 1e-3, -1e-3, 0.02, -0.02, 0.3, -0.3, kPi, kPi - 0.02, kPi / 2, kPi / 4};
    for (const double y : {2.5, 2.36, 2.35, 2.64, 2.65, 3.0 - 0.35 - 1e-9})
        AddShots(course, 1.5, y, {12, 60, 200}, along);
    for (const double y : {5.35, 6.0, 6.65, 6.64})
        AddShots(course, 2.0, y, {12, 60, 200}, along);
    AddShots(course, 19.5, 11.5, {30, 90}, {-kPi / 2, -kPi / 2 + 0.01, -kPi / 2 - 0.05, kPi, -3 * kPi / 4});
    AddShots(course, 1.5, 9.5, {20, 80, 240}, {0.0, 0.004, -0.004, 0.1, -0.1});
    AddShots(course, 2.5, 11.4, {15, 45, 120}, {-kPi / 4, -kPi / 4 + 0.01, -kPi / 4 - 0.01, -0.9, -0.6});
    return course;
}

// Slopes that press the ball against walls, so that it rolls along them: four bands on grass,
// ice and sand, each pressing toward a different wall, shot along the wall and slightly into or
// away from it; diagonal slopes push into corners and against round walls. Some shots have no
// strength at all and leave the slope to move the ball.
CCourse SlopesAlongWalls()
{
    CCourse course{"slopes", MakeCourse(40, 24, 1.5, 1.5), {}, false};
    CLevel& level = course.level;
    level.FillRect(1, 1, 38, 5, Solid, 0, Grass, 2, Grass, 2);
    level.FillRect(1, 18, 38, 22, Solid, 0, Ice, 6, Ice, 6);
    level.FillRect(1, 6, 5, 17, Solid, 0, Grass, 4, Grass, 4);
    level.FillRect(34, 6, 38, 17, Solid, 0, Sand, 0, Sand, 0);
    level.FillRect(12, 9, 27, 14, Solid, 0, Grass, 7, Grass, 7);
    level.FillRect(6, 6, 10, 10, Solid, 0, Sand, 3, Sand, 3);
    level.SetBlock(28, 15, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.FillRect(20, 22, 21, 22, Circle, 0, Ice, 6, Wall, NoSlope);
    level.SetBlock(16, 7, Circle, 0, Grass, 5, Wall, NoSlope);
    level.SetBlock(8, 20, QuarterDisc, 0, Ice, 6, Wall, NoSlope);
    level.SetBlock(38, 12, Triangle, 1, Sand, 0, Wall, NoSlope);
    level.SetBlock(9, 13, Solid, 0, Hole, NoSlope, Hole, NoSlope);
    for (const double offset : {0.0, 0.01, -0.01, 0.08, -0.08, 0.5}) {
        AddShots(course, 2.0, 1.36, {3, 30, 90, 180}, {offset});
        AddShots(course, 37.0, 22.64, {3, 30, 90, 180}, {kPi + offset});
    }
    for (const double offset : {0.0, 0.02, -0.02, 0.3}) {
        AddShots(course, 1.36, 7.0, {0, 20, 60, 150}, {kPi / 2 + offset, -kPi / 2 + offset});
        AddShots(course, 38.5, 16.5, {0, 20, 60, 150}, {-kPi / 2 + offset});
    }
    AddShots(course, 6.5, 22.5, {0, 6, 30, 90}, {0.0, 0.05, -0.05, kPi / 2, -kPi / 2, 1.2});
    AddShots(course, 33.0, 13.0, {0, 15, 60}, {kPi, kPi + 0.03, 3 * kPi / 4, -2.0});
    AddShots(course, 8.5, 8.5, {0, 30, 120}, {0.0, 0.7, -kPi / 4, kPi / 3});
    AddFan(course, 20.0, 11.5, {0, 10, 40}, 12, 0.2);
    AddFan(course, 16.0, 9.0, {3, 18, 75}, 16, 0.003);
    return course;
}

// No walls but the border: corners, grazing runs along the edge, shots fast enough to jump the
// border in one step, and an inner corner; half of them at Ultra speed, where the wall is silent.
CCourse BorderAndCorners()
{
    CCourse course{"border", {}, {}, false};
    course.level.Init(9, 9, "corpus", "tests");
    course.level.Clear();
    course.level.FillRect(5, 5, 8, 5, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    course.level.FillRect(5, 5, 5, 8, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    course.level.SetBlock(2, 6, Solid, 0, Hole, NoSlope, Hole, NoSlope);
    for (const int speedLevel : {CBall::kNormal, CBall::kUltra}) {
        AddShots(course, 0.35, 4.5, {6, 45, 300}, {0.0, kPi, kPi / 2, kPi / 2 + 1e-4, -kPi / 2 + 0.3}, speedLevel);
        AddShots(course, 0.36, 0.36, {12, 90, 600}, {-3 * kPi / 4, kPi / 4, 0.01, -kPi / 4}, speedLevel);
        AddShots(course, 4.0, 4.0, {9, 60, 250}, {kPi / 4, kPi / 4 + 0.02, 0.0, kPi / 2, 2.5}, speedLevel);
        AddShots(course, 8.65, 0.35, {24, 120}, {kPi / 2, 3 * kPi / 4, kPi}, speedLevel);
    }
    return course;
}

// Test mode's shots one after another on the sample level, the slow-step count and the cup
// flags carried from each to the next.
CCourse SampleChain(const std::string& path)
{
    CCourse course = LoadedCourse("first-steps-chain", path);
    course.chained = true;
    const double x = course.level.GetBallX();
    const double y = course.level.GetBallY();
    for (int i = 0; i < 40; ++i)
        course.shots.push_back({x, y, 3.0 * (1 + i * 7 % 23), 0.37 + 2.1 * i});
    return course;
}

std::vector<CCourse> BuildCourses()
{
    std::vector<CCourse> courses;
    const std::string sample = SourceDir() + "/data/Levels/first-steps.lev";
    courses.push_back(LoadedCourse("first-steps", sample));
    CCourse& first = courses.back();
    AddFan(first, first.level.GetBallX(), first.level.GetBallY(), {3, 12, 30, 60, 120, 300}, 48);
    AddFan(first, 1.5, 1.5, {15, 75}, 24, 0.1);
    courses.push_back(SampleChain(sample));

    const std::string bites = SourceDir() + "/data/RBites/";
    for (const char* bite : {"hal27", "horn7", "runthal27", "runthorn7", "runtutslag7", "snetthorn7", "utslag7",
                             "vetinte7"}) {
        courses.push_back(LoadedCourse(bite, bites + bite + ".lev"));
        CCourse& course = courses.back();
        AddFan(course, course.level.GetBallX(), course.level.GetBallY(), {6, 24, 75}, 20, 0.05);
    }

    for (const unsigned seed : {1u, 2u, 3u}) {
        CRandomLevelGenerator generator;
        generator.SetBiteFolder(bites);
        std::srand(seed);
        generator.Generate();
        courses.push_back({"random-" + std::to_string(seed), generator.GetLevel(), {}, false});
        CCourse& course = courses.back();
        AddFan(course, course.level.GetBallX(), course.level.GetBallY(), {15, 60, 150, 390}, 24, 0.02);
    }

    courses.push_back(ShapeGallery());
    courses.push_back(Corridors());
    courses.push_back(SlopesAlongWalls());
    courses.push_back(BorderAndCorners());
    return courses;
}

// The corpus as text: a header line per course with the digest of its level, then a line a shot:
// steps, how the shot ended, and the digest of every step and sound.
std::vector<std::string> PlayCorpus(const std::vector<CCourse>& courses)
{
    std::vector<std::string> lines;
    for (const CCourse& course : courses) {
        // The level's text (blocks, ball start, names): a changed sample file or a C library whose
        // rand() builds other random levels shows here, not as a changed trace.
        CDigest levelDigest;
        levelDigest.Add(course.level.WriteText());
        lines.push_back("course " + course.name + " " + Hex(levelDigest.Get()));
        CBall chainBall(0);
        chainBall.AttachLevel(&course.level);
        for (const CShotSpec& shot : course.shots) {
            CBall freshBall(0);
            CBall& ball = course.chained ? chainBall : freshBall;
            if (!course.chained || ball.IsInCup())
                ball.AttachLevel(&course.level);
            if (!course.chained) {
                ball.SetX(shot.x);
                ball.SetY(shot.y);
            }
            CDigest digest;
            CRecordingPlayer player;
            std::size_t heard = 0;
            ball.SetSoundPlayer(&player);
            ball.Launch(shot.strength, shot.angle, shot.speedLevel);
            int steps = 0;
            bool moving = true;
            while (moving && steps < kMaxSteps) {
                moving = ball.Advance();
                ++steps;
                // The sounds of the step, then where it left the ball.
                for (const std::vector<std::string> played = player.Played(); heard < played.size(); ++heard)
                    digest.Add(played[heard]);
                for (const double value : {ball.GetX(), ball.GetY(), ball.GetSpeed(), ball.GetAngle(), ball.GetRadius()})
                    digest.Add(value);
                digest.Add(std::uint64_t{moving} | std::uint64_t{ball.IsInCup()} << 1);
            }
            ball.SetSoundPlayer(nullptr);
            const char* end = moving ? "moving" : ball.IsInCup() ? "cup" : ball.WasPutBack() ? "water" : "rest";
            lines.push_back(std::to_string(steps) + " " + end + " " + Hex(digest.Get()));
        }
    }
    return lines;
}

} // namespace

TEST(BallTraceCorpus, EveryStepOfEveryShotIsAsRecorded)
{
    const std::vector<CCourse> courses = BuildCourses();
    const std::vector<std::string> lines = PlayCorpus(courses);
    ASSERT_GT(lines.size(), 1500u);
    const std::string path = SourceDir() + "/tests/sim/ball-traces.txt";

    if (std::getenv("QV_RECORD_BALL_TRACES")) {
        std::ofstream out(path, std::ios::trunc);
        for (const std::string& line : lines)
            out << line << '\n';
        ASSERT_TRUE(out.good()) << path;
        GTEST_SKIP() << "recorded " << lines.size() << " lines into " << path;
    }

    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    std::vector<std::string> recorded;
    for (std::string line; std::getline(in, line);)
        recorded.push_back(line);
    ASSERT_EQ(recorded.size(), lines.size()) << "the corpus and the shots of this test differ in number";
    int mismatches = 0;
    std::string course;
    int shot = 0;
    for (std::size_t i = 0; i < lines.size(); ++i, ++shot) {
        if (lines[i].starts_with("course ")) {
            course = lines[i];
            shot = -1;
        }
        if (lines[i] != recorded[i] && ++mismatches <= 10)
            ADD_FAILURE() << course << ", shot " << shot << "\n  recorded: " << recorded[i] << "\n  now:      " << lines[i];
    }
    EXPECT_EQ(mismatches, 0) << "of " << lines.size() << " lines";
}
