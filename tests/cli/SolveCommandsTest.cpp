// quorvale-level shoot, solve, play, shotmap and random --playable.
#include "CliFixture.h"

#include "cli/Commands.h"
#include "sim/Ball.h"
#include "solve/ShotSolver.h"
#include "solve/SolveLevels.h"

#include <algorithm>
#include <cstdio>


namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Format(const char* format, auto... values)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

} // namespace

// The trace is the ball's own steps, bit for bit, then how the shot ended.
TEST_F(CliTest, ShootTracesTheBallStepByStep)
{
    CLevel level = MakeCourse(10, 10, 2.5, 5.5);
    SetCell(level, 4, 4, Sand);
    SetCell(level, 8, 3, Hole);
    const std::string file = WriteLevel("cup.lev", level.WriteText());
    const CRun run = RunCli({"shoot", file, "--angle", "-0.4", "--strength", "14", "--trace"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);

    CBall ball(0);
    ball.AttachLevel(&level);
    ball.Launch(14.0, -0.4, CBall::kNormal);
    int steps = 0;
    for (bool moving = true; moving;) {
        moving = ball.Advance();
        ++steps;
        ASSERT_LT(static_cast<std::size_t>(steps), lines.size());
        EXPECT_EQ(lines[steps - 1], Format("%d %.17g %.17g %.17g %.17g %.17g", steps, ball.GetX(), ball.GetY(),
                                           ball.GetSpeed(), ball.GetAngle(), ball.GetRadius()));
    }
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(steps) + 1);
    EXPECT_TRUE(ball.IsInCup());
    EXPECT_EQ(lines.back(), Format("result: cup steps: %d x: %f y: %f", steps, ball.GetX(), ball.GetY()));

    // Without the trace only the end: in the water (put back), or cut off still moving.
    level = MakeCourse(10, 10, 2.5, 2.5);
    SetCell(level, 2, 6, Water);
    const std::string water = WriteLevel("water.lev", level.WriteText());
    EXPECT_EQ(RunCli({"shoot", water, "--strength", "9", "--angle", "1.5707963267948966"}).out,
              "result: water steps: 89 x: 2.500000 y: 2.500000\n");
    EXPECT_EQ(RunCli({"shoot", water, "--strength", "9", "--angle", "0", "--max-steps", "5"}).out,
              "result: moving steps: 5 x: 2.723650 y: 2.500000\n");
}

TEST_F(CliTest, SolveFindsParAndPlayReplaysTheSolution)
{
    CLevel straight = MakeCourse(10, 5, 2.5, 2.5);
    SetCell(straight, 7, 2, Hole);
    const std::string straightFile = WriteLevel("straight.lev", straight.WriteText());
    EXPECT_EQ(RunCli({"solve", straightFile, "--headings", "8"}).out,
              "shot 1: strength 3 angle 0 -> cup forgiveness: 100%\npar: 1\n");
    // Play stops after the cup; its first shot is the one 'shoot' plays.
    EXPECT_EQ(RunCli({"play", straightFile, "3@0", "3@0"}).out,
              "shot 1: " + RunCli({"shoot", straightFile, "--strength", "3", "--angle", "0"}).out);

    // A solution of several shots: one line a shot, "rest" until the last, then the par.
    const CRun solved = RunCli({"solve", "-", "--headings", "8"}, ArchiveOf(MakeBankLevel().WriteText()));
    ASSERT_EQ(solved.status, 0) << solved.err;
    const std::vector<std::string> lines = Lines(solved.out);
    ASSERT_GE(lines.size(), 3u) << solved.out;
    EXPECT_EQ(lines.back(), "par: " + std::to_string(lines.size() - 1));
    EXPECT_NE(lines[0].find(" -> rest x: "), std::string::npos) << lines[0];
}

// The answers without a par, each an exit status of 0; "shot" for one.
TEST_F(CliTest, SolveEndsWithWhatItKnows)
{
    CLevel walled = MakeCourse(7, 5, 1.5, 2.5);
    walled.DrawFrame(3, 1, 5, 3, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(walled, 4, 2, Hole);
    const CRun none = RunCli({"solve", WriteLevel("walled.lev", walled.WriteText())});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "par: none, the cup cannot be reached\n");
    const std::string bank = MakeBankLevel().WriteText();
    EXPECT_EQ(RunCli({"solve", "-", "--headings", "8", "--max-shots", "1"}, ArchiveOf(bank)).out,
              "par: none within 1 shot\n");
    EXPECT_EQ(RunCli({"solve", "-", "--time-limit", "0.000001", "--quiet"}, ArchiveOf(bank)).out,
              "par: none found in 1e-06 s, none of 0 shots or fewer\n");
}

// A stopped search with a solution; no short run of a search can be relied on to stop there.
TEST(SolveAnswer, StoppedWithASolutionSaysWhatWasRuledOut)
{
    CSolveResult result;
    result.ending = SolveAtMost;
    result.shots.resize(5);
    result.depthProved = 1;
    CSolveOptions options;
    options.timeLimit = 10;
    EXPECT_EQ(FormatSolveAnswer(result, options), "par: at most 5, none of 1 shot or fewer (stopped after 10 s)");
}

// A shot through a wall is marked, --no-tunnel leaves it out, and --min-forgiveness keeps to
// shots at least that forgiving.
TEST_F(CliTest, SolveMarksShotsThroughWallsAndKeepsToForgivingShots)
{
    CLevel level = MakeCourse(40, 5, 2.5, 1.5);
    level.FillRect(20, 1, 20, 3, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(level, 30, 1, Hole);
    const std::string tunnel = WriteLevel("tunnel.lev", level.WriteText());
    const std::vector<std::string> lines =
        Lines(RunCli({"solve", tunnel, "--headings", "8", "--max-shots", "1"}).out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].ends_with("% through a wall")) << lines[0];
    EXPECT_EQ(RunCli({"solve", tunnel, "--headings", "8", "--max-shots", "1", "--no-tunnel"}).out,
              "par: none within 1 shot\n");

    // The bank level's solution has a shot below 100 %; asked for more, every shot has it.
    const std::string bank = WriteLevel("bank.lev", MakeBankLevel().WriteText());
    const auto shares = [](const std::string& out) {
        std::vector<int> found;
        for (const std::string& line : Lines(out)) {
            if (line.starts_with("shot "))
                found.push_back(std::stoi(line.substr(line.find(" forgiveness: ") + 14)));
        }
        return found;
    };
    std::vector<std::string> args{"solve", bank, "--headings", "16"};
    const std::vector<int> plain = shares(RunCli(args).out);
    ASSERT_FALSE(plain.empty());
    const int least = *std::min_element(plain.begin(), plain.end());
    ASSERT_LT(least, 100);
    args.insert(args.end(), {"--min-forgiveness", std::to_string(least + 1)});
    const std::vector<int> careful = shares(RunCli(args).out);
    ASSERT_FALSE(careful.empty());
    EXPECT_GT(*std::min_element(careful.begin(), careful.end()), least);
}

// Progress on standard error only when it is a terminal and without --quiet; cleared at the end.
TEST_F(CliTest, SolveShowsProgressOnATerminalOnly)
{
    // A cup in a ring of water: a search that runs until its time limit.
    CLevel pond = MakeCourse(7, 5, 1.5, 2.5);
    pond.DrawFrame(3, 1, 5, 3, Solid, 0, Water, NoSlope, Water, NoSlope);
    SetCell(pond, 4, 2, Hole);
    const std::string file = WriteLevel("pond.lev", pond.WriteText());
    const CRun shown = RunCli({"solve", file, "--time-limit", "1"}, {}, true);
    EXPECT_TRUE(shown.err.starts_with("\r\033[Ksearching: best none, none of ")) << shown.err;
    EXPECT_TRUE(shown.err.ends_with("\r\033[K"));
    EXPECT_TRUE(shown.out.starts_with("par: none found in 1 s, none of ")) << shown.out;
    const std::string bank = WriteLevel("bank.lev", MakeBankLevel().WriteText());
    EXPECT_EQ(RunCli({"solve", bank, "--headings", "8", "--quiet"}, {}, true).err, "");
    EXPECT_EQ(RunCli({"solve", bank, "--headings", "8"}).err, "");
}

TEST_F(CliTest, ShotmapDrawsOverTheLevelImage)
{
    CLevel level = MakeCourse(9, 6, 2.5, 2.5);
    SetCell(level, 6, 2, Hole);
    const std::string file = WriteLevel("map.lev", level.WriteText());
    const CRun run = RunCli({"shotmap", file, Path("map.png"), "--cell", "10", "--headings", "6"});
    ASSERT_EQ(run.status, 0) << run.err;
    // The strengths the mouse gives along each of the six headings, and how they ended.
    int cup = 0;
    int rest = 0;
    ASSERT_EQ(std::sscanf(run.out.c_str(), "shots: 32 cup: %d rest: %d", &cup, &rest), 2) << run.out;
    EXPECT_EQ(run.out, "shots: 32 cup: " + std::to_string(cup) + " rest: " + std::to_string(rest) + " water: 0 moving: 0\n");
    EXPECT_GT(cup, 0);
    EXPECT_EQ(PngHeader(Slurp(Path("map.png"))), "91 x 61 8/2");
}

TEST_F(CliTest, RandomPlayableTriesSeedsUntilOneIsPlayable)
{
    const CRun run = RunCli({"random", Path("playable.lev"), "--seed", "18", "--playable", "1", "--headings", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "seed: 20\npar: 1\n");
    EXPECT_EQ(run.err, "seed 18: no par within 1 shot\nseed 19: no par within 1 shot\n");
    EXPECT_EQ(Lines(RunCli({"solve", Path("playable.lev"), "--headings", "2"}).out).back(), "par: 1");
}
