// quorvale-level run in-process: exit statuses, exact outputs, messages and file safety.
#include "CliFixture.h"
#include "common/AllocationMeter.h"

#include "random/RandomLevelGenerator.h"
#include "state/VersionStore.h"

#include <cctype>

namespace {

const std::string kExample = "{Quorvale1}\r\n{-28330017200403065140509}\r\n{Test}{Me}\r\n{2}{2}\r\n"
                             "{1.000000}{1.000000}\r\n{$}{S0T8}\r\n{T1G8W8}{S0H8}\r\n";

// The names of the commands, as the help lists them: the lines indented by exactly two spaces
// between "Commands:" and the next blank line.
std::vector<std::string> CommandNames(const std::string& help)
{
    std::vector<std::string> names;
    std::istringstream lines(help.substr(help.find("Commands:\n")));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line) && !line.empty())
        if (line.starts_with("  ") && line[2] != ' ')
            names.push_back(line.substr(2, line.find(' ', 2) - 2));
    return names;
}

} // namespace

TEST_F(CliTest, InfoPrintsExactlyTheSevenLines)
{
    const std::string expected = "format: Quorvale1\nid: -28330017200403065140509\nname: Test\ncreator: Me\n"
                                 "size: 2x2\nball: 1.000000 1.000000\nused: 3\n";
    const CRun run = RunCli({"info", WriteLevel("example.lev", kExample)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected);
}

TEST_F(CliTest, CatAppliesOperationsInOrderAndKeepsTheIdentity)
{
    const std::string file = WriteLevel("example.lev", kExample);
    const CRun run = RunCli({"cat", file, "resize", "3", "2", "set", "2", "1", "S0I8", "flip-h", "name", "a{b}", "ball",
                          "0", "9"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{Quorvale1}\r\n{-28330017200403065140509}\r\n{ab}{Me}\r\n{3}{2}\r\n"
                       "{0.350000}{1.650000}\r\n{$}{S0T8}{$}\r\n{S0I8}{S0H8}{T2G8W8}\r\n");
    EXPECT_EQ(RunCli({"cat", file, "rotate", "rotate", "rotate", "rotate"}).out, kExample);
}

TEST_F(CliTest, DashIsStandardInputOrOutput)
{
    EXPECT_EQ(RunCli({"info", "-"}, ArchiveOf(kExample)).out, RunCli({"info", WriteLevel("a.lev", kExample)}).out);

    // save: a new identity, the same bytes into a file as onto standard output apart from the
    // identity's date and time.
    const CRun saved = RunCli({"save", "-", Path("b.lev"), "fill", "0", "0", "S0S8"}, ArchiveOf(kExample));
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(saved.out.empty());
    const std::string bytes = Slurp(Path("b.lev"));
    EXPECT_NE(bytes.find("{S0S8}{S0T8}"), std::string::npos);
    EXPECT_EQ(bytes.find("-28330017200403065140509"), std::string::npos);
    const CRun piped = RunCli({"save", "-", "-", "fill", "0", "0", "S0S8"}, ArchiveOf(kExample));
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out.size(), bytes.size());
    EXPECT_EQ(piped.out.substr(piped.out.find("{Test}")), bytes.substr(bytes.find("{Test}")));

    // random: the level on standard output, so the seed goes with the messages.
    const CRun random = RunCli({"random", "-", "--seed", "42", "--bites", QV_TEST_SOURCE_DIR "/data/RBites"});
    EXPECT_EQ(random.status, 0);
    EXPECT_EQ(random.err, "seed: 42\n");
    EXPECT_NE(RunCli({"info", "-"}, random.out).out.find("size: 50x50\n"), std::string::npos);
    EXPECT_FALSE(fs::exists("-"));
}

TEST_F(CliTest, RenderWritesAnRgbPngOfTheLevelImage)
{
    const std::string file =
        WriteLevel("demo.lev", "{Quorvale1}{}{Demo}{Me}{3}{2}{1.5}{1.0}{$}{C0G8W8}{T1G2S6}{P2I8H8}{M3T8G5}{S0W8}");
    const CRun run = RunCli({"render", file, Path("a.png")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string grid = Slurp(Path("a.png"));
    EXPECT_EQ(PngHeader(grid), "61 x 41 8/2"); // 8-bit RGB, no alpha
    const std::string plain = RunCli({"render", "--no-grid", file, "-", "--cell", "20"}).out;
    EXPECT_EQ(PngHeader(plain), "61 x 41 8/2");
    EXPECT_NE(plain, grid);
    EXPECT_EQ(RunCli({"render", file, Path("upper.PNG")}).status, 0) << "the extension's case does not matter";
}

// Which files and levels are refused, and why, is the reader's (FileAccessTest, LevelTextTest);
// here one case of each exit status, and every argument check.
TEST_F(CliTest, FailuresUseTheirExitStatusesAndSayWhy)
{
    const std::string good = WriteLevel("good.lev", kExample);
    const std::string missing = Path("missing.lev");
    struct CCase {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const std::vector<CCase> cases = {
        {{"info", missing}, 1, "missing.lev: No such file"},
        {{"info", WriteLevel("header.lev", "{Quorvale2}{}{}{}{2}{2}{0}{0}{$}{$}{$}{$}")}, 2, "header"},
        {{"info", "-"}, 1, "standard input: unexpected end of file"},
        {{"info"}, 64, "missing FILE"},
        {{"info", good, good}, 64, "unexpected argument '" + good + "'"},
        {{"cat", good, "set", "1", "1", "C0G8W9"}, 64, "bad argument 'C0G8W9'"},
        {{"cat", good, "rect", "1", "2"}, 64, "needs 5"},
        {{"cat", good, "resize", "1001", "1000"}, 64, "sides from 2 and at most 1000000 cells, not 1001 x 1000"},
        {{"cat", good, "resize", "2", "1"}, 64, "not 2 x 1"},
        {{"cat", good, "ball", "nan", "1"}, 64, "bad argument 'nan'"},
        {{"save", good}, 64, "missing OUT"},
        {{"save", good, Path("no/such/dir/out.lev")}, 1, "No such file"},
        {{"shoot", good, "--strength", "nan", "--angle", "1"}, 64, "--strength needs a finite number, not 'nan'"},
        {{"shoot", good, "--strength", "1", "--angle", "1", "--max-steps", "0"}, 64, "--max-steps needs a whole number above 0, not '0'"},
        {{"shoot", good, "--angle", "1"}, 64, "--strength and --angle"},
        {{"shoot", good, "--strength"}, 64, "missing a value for --strength"},
        {{"shoot", good, "--strength", "1", "--angle", "0", "--bounce"}, 64, "unexpected argument '--bounce'"},
        {{"render", good, Path("x.png"), "--cell", "0"}, 64, "--cell needs a whole number from 1 to 200, not '0'"},
        {{"render", good, Path("x.jpg")}, 64, "x.jpg: the image is written as PNG"},
        {{"render", good, Path("no/such/dir/x.png")}, 1, "no/such/dir/x.png: No such file"},
        {{"random", "--seed", "3"}, 64, "missing OUT"},
        {{"random", Path("r.lev"), "--seed", "-1"}, 64, "--seed needs a whole number from 0 to 4294967295, not '-1'"},
        {{"random", Path("r.lev"), Path("p.lev")}, 64, "unexpected argument"},
        {{"random", Path("r.lev"), "--playable", "0"}, 64, "--playable needs a whole number from 1 to 100, not '0'"},
        {{"solve", good, "--headings", "x"}, 64, "--headings needs a whole number from 1 to 1048576, not 'x'"},
        {{"solve", good, "--time-limit", "-1"}, 64, "--time-limit needs a number of seconds above 0, not '-1'"},
        {{"play", good}, 64, "missing SHOT"},
        {{"play", good, "12"}, 64, "a shot is STRENGTH@ANGLE, two finite numbers, not '12'"},
        {{"shotmap", good}, 64, "missing OUT"},
    };
    for (const CCase& c : cases) {
        const CRun run = RunCli(c.args);
        std::string what;
        for (const std::string& arg : c.args)
            what += arg + " ";
        what += "\n" + run.err;
        EXPECT_EQ(run.status, c.status) << what;
        EXPECT_TRUE(run.out.empty()) << what;
        EXPECT_EQ(run.err.rfind("quorvale-level: error: ", 0), 0u) << what;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << what;
        // A usage error is followed by the command's usage, and only then.
        EXPECT_EQ(run.err.find("\nusage: quorvale-level " + c.args[0]) != std::string::npos, c.status == 64) << what;
    }
    // Standard input is held to the same limit as a file, so an endless pipe cannot fill the
    // memory, whatever length the archive declares.
    const CRun endless = RunCli({"info", "-"}, std::string(7, '\xFF') + std::string((std::size_t{64} << 20) + 1, 'x'));
    EXPECT_EQ(endless.status, 1);
    EXPECT_EQ(endless.err, "quorvale-level: error: standard input: Larger than 64 MiB, the most a level file may hold\n");
    // Nothing was written by a command that failed.
    for (const char* name : {"no", "x.png", "x.jpg", "r.lev"})
        EXPECT_FALSE(fs::exists(m_dir / name)) << name;
}

// How a file is replaced (links, permissions, a full disk) is the writer's, in FileAccessTest;
// here that a command checks its level and operations before it writes anything.
TEST_F(CliTest, AFailedCommandLeavesTheOldFile)
{
    const std::string good = WriteLevel("good.lev", kExample);
    const std::string target = Write("target.lev", "precious");
    EXPECT_EQ(RunCli({"save", WriteLevel("bad.lev", "{Quorvale1}{}{}{}{0}{0}"), target}).status, 2);
    EXPECT_EQ(RunCli({"save", good, target, "set", "0", "0", "Q"}).status, 64);
    EXPECT_EQ(Slurp(target), "precious");
}

TEST_F(CliTest, VersionsListsTheCopiesTheEditorKeptAndSaveKeepsNone)
{
    setenv("XDG_STATE_HOME", Path("state").c_str(), 1);
    const std::string level = WriteLevel("level.lev", kExample);
    std::string reason;
    // What the editor's saves keep, and a save of quorvale-level, which keeps nothing.
    ASSERT_TRUE(CVersionStore().Keep(level, reason)) << reason;
    const std::string second = Slurp(WriteLevel("level.lev", kExample + "{$}"));
    ASSERT_TRUE(CVersionStore().Keep(level, reason)) << reason;
    ASSERT_EQ(RunCli({"save", level, level}).status, 0);
    const fs::path start = fs::current_path();
    fs::current_path(m_dir);
    const CRun run = RunCli({"versions", "level.lev"});
    fs::current_path(start);
    unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(run.status, 0) << run.err;
    // "TIME SIZE PATH", TIME in the form of the pattern, 9 standing for a digit and + for a sign.
    const std::string pattern = "9999-99-99T99:99:99+99:99 ";
    std::istringstream lines(run.out);
    std::vector<std::string> contents;
    for (std::string text; std::getline(lines, text);) {
        ASSERT_GT(text.size(), pattern.size()) << text;
        for (std::size_t i = 0; i < pattern.size(); ++i)
            EXPECT_TRUE(pattern[i] == '9' ? std::isdigit(static_cast<unsigned char>(text[i]))
                        : pattern[i] == '+' ? text[i] == '+' || text[i] == '-'
                                            : text[i] == pattern[i])
                << text;
        const std::size_t space = text.find(' ', pattern.size());
        const std::string copy = text.substr(space + 1);
        EXPECT_EQ(text.substr(pattern.size(), space - pattern.size()), std::to_string(Slurp(copy).size()));
        contents.push_back(Slurp(copy));
    }
    EXPECT_EQ(contents, (std::vector<std::string>{second, ArchiveOf(kExample)}));
    EXPECT_EQ(RunCli({"versions", "-"}).status, 64);
}

TEST_F(CliTest, HelpAndVersionGoToStandardOutput)
{
    const CRun help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.err.empty());
    EXPECT_EQ(RunCli({"-h"}).out, help.out);

    // Every command's --help is its usage, wherever the option stands.
    const std::vector<std::string> names = CommandNames(help.out);
    EXPECT_GE(names.size(), 6u);
    for (const std::string& name : names) {
        for (const std::vector<std::string>& args : {std::vector<std::string>{name, "--help"},
                                                     std::vector<std::string>{name, "x.lev", "-h", "--bogus"}}) {
            const CRun run = RunCli(args);
            EXPECT_EQ(run.status, 0) << name;
            EXPECT_TRUE(run.err.empty()) << name << run.err;
            EXPECT_EQ(run.out.rfind("Usage: quorvale-level " + name + " ", 0), 0u) << name << run.out;
            EXPECT_EQ(run.out.find("Operations (OP):") != std::string::npos,
                      run.out.find("[OP ...]") != std::string::npos) << name;
        }
    }

    for (const char* option : {"--version", "-V"})
        EXPECT_EQ(RunCli({option}).out, "quorvale-level " QV_TEST_VERSION "\n");

    // No command or an unknown one: the reason, then the whole help, on standard error.
    for (const auto& [args, reason] : {std::pair<std::vector<std::string>, std::string>{{}, "missing command"},
                                       {{"frobnicate", "x"}, "unknown command 'frobnicate'"},
                                       {{"--versions"}, "unknown command '--versions'"}}) {
        const CRun run = RunCli(args);
        EXPECT_EQ(run.status, 64) << reason;
        EXPECT_TRUE(run.out.empty()) << reason;
        EXPECT_EQ(run.err, "quorvale-level: " + reason + "\n\n" + help.out);
    }
}

TEST_F(CliTest, RandomLevelsComeFromTheSeedAndTheBites)
{
    // The generator's level for the seed, from the size on: identity, name and creator aside.
    const std::string bites = QV_TEST_SOURCE_DIR "/data/RBites/";
    CRandomLevelGenerator generator;
    generator.SetBiteFolder(bites);
    std::srand(42);
    generator.Generate();
    const auto body = [](const std::string& text) { return text.substr(text.find("{50}{50}")); };
    const std::string expected = body(generator.GetLevel().WriteText());

    const CRun run = RunCli({"random", Path("r.lev"), "--seed", "42", "--bites", bites});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "seed: 42\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(body(Slurp(Path("r.lev"))), expected);
    // A bite folder that does not exist is only worth a warning.
    const CRun none = RunCli({"random", Path("r.lev"), "--bites", bites + "none", "--seed", "1"});
    EXPECT_EQ(none.status, 0);
    EXPECT_TRUE(none.err.starts_with("quorvale-level: warning: ")) << none.err;
}

// --playable tries a bounded number of seeds, none more once a level has no cup; the seed's line
// is checked on its way out like any command's output.
TEST_F(CliTest, RandomGivesUpAndChecksItsOutput)
{
    const CRun bounded = RunCli({"random", Path("p.lev"), "--seed", "6", "--playable", "1", "--headings", "2", "--seeds", "2"});
    EXPECT_EQ(bounded.status, 1);
    EXPECT_TRUE(bounded.err.ends_with("seed 7: no par within 1 shot\nquorvale-level: error: no seed from 6 to 7 gives a "
                                      "playable level (--seeds sets how many are tried)\n"))
        << bounded.err;
    fs::create_directory(m_dir / "no-cup");
    const CRun cupless = RunCli({"random", Path("p.lev"), "--seed", "6", "--playable", "1", "--bites", Path("no-cup")});
    EXPECT_EQ(cupless.status, 1);
    EXPECT_EQ(cupless.err, "quorvale-level: error: seed 6 makes a level without a cup; the bites in " + Path("no-cup") +
                               " cannot make a playable one\n");
    EXPECT_FALSE(fs::exists(m_dir / "p.lev"));

    const CRun full = RunProgram(QV_TEST_PROGRAM " random " + Path("r.lev") + " --seed 1 2>" + Path("err") +
                                 " >/dev/full; echo $?");
    EXPECT_EQ(full.out, "1\n");
    EXPECT_EQ(Slurp(Path("err")), "quorvale-level: error: standard output: write failed\n");
}

// What the options ask of memory and threads is checked before it is allocated or started.
TEST_F(CliTest, ImagesShotMapsAndThreadsAreBounded)
{
    const std::string level = Path("99.lev");
    ASSERT_EQ(RunCli({"save", WriteLevel("good.lev", kExample), level, "resize", "99", "99"}).status, 0);
    {
        CAllocationMeter meter;
        const CRun render = RunCli({"render", level, Path("99.png"), "--cell", "200"});
        EXPECT_EQ(render.status, 1);
        EXPECT_EQ(render.err, "quorvale-level: error: " + Path("99.png") + ": an image of 19801 x 19801 pixels is "
                              "larger than a render may be (67108864 pixels, 32767 a side)\n");
        const CRun map = RunCli({"shotmap", level, Path("map.png"), "--headings", "1048576"});
        EXPECT_EQ(map.status, 64);
        EXPECT_TRUE(map.err.starts_with("quorvale-level: error: --headings 1048576: the map of this level would hold "
                                        "more than 4194304 shots; take fewer headings\n"))
            << map.err;
        EXPECT_LT(meter.GetPeakBytes(), std::size_t{16} << 20);
    }
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers need more address space than the thread check leaves";
#else
    // In 400 MB of address space 256 threads' stacks do not fit.
    const CRun threads = RunProgram("ulimit -v 400000; " QV_TEST_PROGRAM " solve " + level + " --jobs 256 2>&1; echo $?");
    EXPECT_TRUE(threads.out.starts_with("quorvale-level: error: --jobs: only ")) << threads.out;
    EXPECT_TRUE(threads.out.ends_with(" of 256 threads can run here (Resource temporarily unavailable)\n1\n"))
        << threads.out;
#endif
}
