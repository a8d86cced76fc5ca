// quorvale-level solve, play, shotmap and random --playable.
#include "CliFixture.h"

#include "solve/SolveLevels.h"

#include <regex>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST_F(CliTest, SolveFindsParAndPlayReplaysTheSolution)
{
    CLevel straight = MakeCourse(10, 5, 2.5, 2.5);
    SetCell(straight, 7, 2, Hole);
    const std::string straightFile = WriteLevel("straight.lev", straight.WriteText());
    EXPECT_EQ(RunCli({"solve", straightFile, "--headings", "8"}).out, "shot 1: strength 3 angle 0 -> cup\npar: 1\n");
    // Play stops after the cup; its first shot is the one 'shoot' plays.
    EXPECT_EQ(RunCli({"play", straightFile, "3@0", "3@0"}).out,
              "shot 1: " + RunCli({"shoot", straightFile, "--strength", "3", "--angle", "0"}).out);

    const std::string bankFile = WriteLevel("bank.lev", MakeBankLevel().WriteText());
    const CRun solved = RunCli({"solve", bankFile, "--headings", "8", "--jobs", "1"});
    ASSERT_EQ(solved.status, 0) << solved.err;
    const std::vector<std::string> lines = Lines(solved.out);
    ASSERT_GE(lines.size(), 3u) << solved.out;
    EXPECT_EQ(lines.back(), "par: " + std::to_string(lines.size() - 1));
    EXPECT_EQ(RunCli({"solve", bankFile, "--headings", "8", "--jobs", "2"}).out, solved.out);

    // Every shot line replays through play: the same rest positions, then the cup.
    const std::regex shotLine(R"(shot (\d+): strength (\S+) angle (\S+) -> (rest x: (\S+) y: (\S+)|cup))");
    std::vector<std::string> play{"play", bankFile};
    std::vector<std::string> expected;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(lines[i], match, shotLine)) << lines[i];
        EXPECT_EQ(match[1], std::to_string(i + 1));
        play.push_back(match[2].str() + "@" + match[3].str());
        expected.push_back(match[4] == "cup" ? "cup" : "rest .* x: " + match[5].str() + " y: " + match[6].str());
    }
    EXPECT_EQ(expected.back(), "cup");
    const std::vector<std::string> played = Lines(RunCli(play).out);
    ASSERT_EQ(played.size(), expected.size());
    for (std::size_t i = 0; i < played.size(); ++i) {
        const std::regex line("shot " + std::to_string(i + 1) + ": result: " + expected[i] + ".*");
        EXPECT_TRUE(std::regex_match(played[i], line)) << played[i] << " / " << expected[i];
    }
}

TEST_F(CliTest, SolveReportsNoParAndRefusesBadInput)
{
    CLevel walled = MakeCourse(7, 5, 1.5, 2.5);
    walled.DrawFrame(3, 1, 5, 3, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(walled, 4, 2, Hole);
    const std::string file = WriteLevel("walled.lev", walled.WriteText());
    const CRun none = RunCli({"solve", file, "--headings", "4", "--max-shots", "2"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "par: none within 2 shots\n");
    EXPECT_EQ(RunCli({"solve", "-", "--time-limit", "0.000001"}, Archived(walled.WriteText())).out,
              "par: none found in 1e-06 s\n");

    const std::vector<std::vector<std::string>> usages{
        {"solve"}, {"solve", file, "--max-shots", "0"}, {"solve", file, "--headings", "x"}, {"solve", file, "--jobs"},
        {"solve", file, "--time-limit", "-1"}, {"solve", file, "--merge", "2000"}, {"solve", file, file},
        {"play", file}, {"play", file, "12"}, {"play", file, "12@x"}, {"shotmap", file},
        {"shotmap", file, "o.png", "--cell", "0"}, {"shotmap", file, "o.jpg"}, {"random", "o.lev", "--playable", "0"},
        {"random", "o.lev", "--playable"}};
    for (const std::vector<std::string>& usage : usages) {
        const CRun run = RunCli(usage);
        EXPECT_EQ(run.status, 64) << usage.back();
        EXPECT_TRUE(run.out.empty()) << usage.back();
        EXPECT_TRUE(run.err.starts_with("quorvale-level: error: ")) << run.err;
    }
    const std::string missing = Path("missing.lev");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"solve", missing}, {"play", missing, "3@0"}, {"shotmap", missing, Path("o.png")}}) {
        const CRun run = RunCli(args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_NE(run.err.find("missing.lev"), std::string::npos) << args[0];
    }
}

TEST_F(CliTest, ShotmapDrawsOverTheLevelImage)
{
    CLevel level = MakeCourse(9, 6, 2.5, 2.5);
    SetCell(level, 6, 2, Hole);
    const std::string file = WriteLevel("map.lev", level.WriteText());
    ASSERT_EQ(RunCli({"render", file, Path("plain.png"), "--cell", "10"}).status, 0);
    const CRun run = RunCli({"shotmap", file, Path("map.png"), "--cell", "10", "--headings", "6"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::smatch match;
    ASSERT_TRUE(std::regex_match(run.out, match, std::regex(R"(shots: 42 cup: (\d+) rest: (\d+) water: 0 moving: 0\n)")))
        << run.out;
    EXPECT_EQ(std::stoi(match[1]) + std::stoi(match[2]), 42);
    EXPECT_GT(std::stoi(match[1]), 0);
    // The same image size (in the PNG header), other pixels.
    const std::string plain = Slurp(Path("plain.png"));
    const std::string map = Slurp(Path("map.png"));
    ASSERT_GT(plain.size(), 24u);
    EXPECT_EQ(plain.substr(16, 8), map.substr(16, 8));
    EXPECT_NE(plain, map);
}

TEST_F(CliTest, RandomPlayableTriesSeedsUntilOneIsPlayable)
{
    const CRun run = RunCli({"random", Path("playable.lev"), "--seed", "6", "--playable", "1", "--headings", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "seed: 8\npar: 1\n");
    EXPECT_EQ(run.err, "seed 6: no par within 1 shots\nseed 7: no par within 1 shots\n");
    EXPECT_EQ(Lines(RunCli({"solve", Path("playable.lev"), "--headings", "2"}).out).back(), "par: 1");
}
