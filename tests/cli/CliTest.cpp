// quorvale-level run in-process: exit statuses, exact outputs, messages and file safety.
#include "CliFixture.h"

#include <sys/stat.h>

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
    const std::string old = WriteLevel("old.lev", "{Quorvael alfa1}{i}{n}{c}{2}{2}{9}{0.1}{$}{$}{$}{T1G2W8}");
    EXPECT_EQ(RunCli({"info", old}).out, "format: Quorvael alfa1\nid: i\nname: n\ncreator: c\n"
                                      "size: 2x2\nball: 1.650000 0.350000\nused: 1\n");
}

TEST_F(CliTest, CatAppliesOperationsInOrderAndKeepsTheIdentity)
{
    const std::string file = WriteLevel("example.lev", kExample);
    EXPECT_EQ(RunCli({"cat", file}).out, kExample);
    const CRun run = RunCli({"cat", file, "resize", "3", "2", "set", "2", "1", "S0I8", "flip-h", "name", "a{b}", "ball",
                          "0", "9"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{Quorvale1}\r\n{-28330017200403065140509}\r\n{ab}{Me}\r\n{3}{2}\r\n"
                       "{0.350000}{1.650000}\r\n{$}{S0T8}{$}\r\n{S0I8}{S0H8}{T2G8W8}\r\n");
    EXPECT_EQ(RunCli({"cat", file, "rotate", "rotate", "rotate", "rotate"}).out, kExample);
}

TEST_F(CliTest, SaveRebuildsTheIdentityAndWritesTheContainer)
{
    const std::string file = WriteLevel("example.lev", kExample);
    const fs::path out = m_dir / "out.lev";
    const CRun run = RunCli({"save", file, out.string(), "fill", "0", "0", "S0S8"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    const std::string bytes = Slurp(out);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), bytes.size() - 1);
    EXPECT_NE(bytes.find("{S0S8}{S0T8}"), std::string::npos);
    EXPECT_EQ(bytes.find("-28330017200403065140509"), std::string::npos);
    EXPECT_EQ(fs::status(out).permissions() & fs::perms::owner_read, fs::perms::owner_read);
}

TEST_F(CliTest, DashIsStandardInputOrOutput)
{
    EXPECT_EQ(RunCli({"info", "-"}, Archived(kExample)).out, RunCli({"info", WriteLevel("a.lev", kExample)}).out);

    // save: the same bytes as into a file, apart from the identity's date and time.
    ASSERT_EQ(RunCli({"save", "-", Path("b.lev"), "fill", "0", "0", "S0S8"}, Archived(kExample)).status, 0);
    const std::string bytes = Slurp(Path("b.lev"));
    const CRun saved = RunCli({"save", "-", "-", "fill", "0", "0", "S0S8"}, Archived(kExample));
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out.size(), bytes.size());
    EXPECT_EQ(saved.out.substr(saved.out.find("{Test}")), bytes.substr(bytes.find("{Test}")));

    const CRun image = RunCli({"render", "-", "-", "--cell", "3"}, Archived(kExample));
    EXPECT_EQ(image.status, 0) << image.err;
    EXPECT_EQ(image.out.substr(0, 8), "\x89PNG\r\n\x1a\n");

    // random: the level on standard output, so the seed goes with the messages.
    const char* source = std::getenv("QV_SOURCE_DIR");
    const CRun random = RunCli({"random", "-", "--seed", "42", "--bites", std::string(source ? source : ".") + "/data/RBites"});
    EXPECT_EQ(random.status, 0);
    EXPECT_EQ(random.err, "seed: 42\n");
    EXPECT_NE(RunCli({"info", "-"}, random.out).out.find("size: 50x50\n"), std::string::npos);
    EXPECT_FALSE(fs::exists("-"));
}

TEST_F(CliTest, FailuresUseTheirExitStatusesAndSayWhy)
{
    const std::string good = WriteLevel("good.lev", kExample);
    // Only regular files are read, none above 64 MiB, and a FIFO never makes the reader wait.
    const std::string fifo = Path("fifo.lev");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = Write("huge.lev", "");
    fs::resize_file(huge, (std::uintmax_t{64} << 20) + 1);
    struct CCase {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const std::vector<CCase> cases = {
        {{"info", Path("missing.lev")}, 1, "missing.lev: No such file"},
        {{"info", m_dir.string()}, 1, "Is a directory"},
        {{"info", Write("empty.lev", "")}, 1, "unexpected end of file"},
        {{"info", Write("short.lev", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF{Quorvale1}")}, 1, "end of file"},
        {{"info", WriteLevel("header.lev", "{Quorvale2}{}{}{}{2}{2}{0}{0}{$}{$}{$}{$}")}, 2, "header"},
        {{"info", WriteLevel("narrow.lev", "{Quorvale1}{}{}{}{1}{5}{0}{0}{$}")}, 2, "below 2"},
        {{"info", WriteLevel("cells.lev", "{Quorvale1}{}{}{}{2}{2}{0}{0}{$}{$}{$}")}, 2, "missing cell"},
        {{"info", "-"}, 1, "standard input: unexpected end of file"},
        {{"info", fifo}, 1, "fifo.lev: Not a regular file"},
        {{"cat", "/dev/zero"}, 1, "/dev/zero: Not a regular file"},
        {{"render", huge, Path("huge.png")}, 1, "huge.lev: Larger than 64 MiB"},
        {{"info"}, 64, "missing FILE"},
        {{"info", good, good}, 64, "unexpected argument '" + good + "'"},
        {{"cat", good, "set", "1", "1", "Q"}, 64, "bad argument 'Q'"},
        {{"cat", good, "rect", "1", "2"}, 64, "needs 5"},
        {{"cat", good, "resize", "5000", "2"}, 64, "resize takes sizes from 2 to 1000"},
        {{"save", good, Path("o.lev"), "resize", "0", "0"}, 64, "resize takes sizes from 2 to 1000"},
        {{"cat", good, "resize", "2", "1"}, 64, "resize takes sizes from 2 to 1000"},
        {{"cat", good, "ball", "nan", "1"}, 64, "bad argument 'nan'"},
        {{"save", good}, 64, "missing OUT"},
        {{"save", good, Path("no/such/dir/out.lev")}, 1, "No such file"},
        {{"save", good, m_dir.string()}, 1, "Is a directory"},
        {{"save", good, fifo}, 1, "fifo.lev: Not a regular file"},
        {{"shoot", good, "--strength", "x", "--angle", "1"}, 64, "--strength needs a finite number, not 'x'"},
        {{"shoot", good, "--strength", "nan", "--angle", "1"}, 64, "--strength needs a finite number, not 'nan'"},
        {{"shoot", good, "--strength", "1", "--angle", "1", "--max-steps", "0"}, 64, "--max-steps needs a whole number above 0, not '0'"},
        {{"shoot", good, "--angle", "1"}, 64, "--strength and --angle"},
        {{"shoot", good, "--strength"}, 64, "missing a value for --strength"},
        {{"render", good, Path("x.png"), "--cell", "0"}, 64, "--cell needs a whole number from 1 to 200, not '0'"},
        {{"render", good, Path("x.jpg")}, 64, "x.jpg: the image is written as PNG"},
        {{"render", good, Path("png")}, 64, "written as PNG"},
        {{"random", Path("r.lev"), "--seed", "-1"}, 64, "--seed needs a whole number from 0 to 4294967295, not '-1'"},
        {{"random", Path("r.lev"), "--bites"}, 64, "missing a value for --bites"},
    };
    for (const CCase& c : cases) {
        const CRun run = RunCli(c.args);
        const std::string what = c.args[0] + " " + (c.args.size() > 2 ? c.args[2] : "") + "\n" + run.err;
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
    EXPECT_FALSE(fs::exists(m_dir / "no"));
    EXPECT_FALSE(fs::exists(m_dir / "x.jpg"));
    EXPECT_EQ(RunCli({"render", good, Path("upper.PNG")}).status, 0) << "the extension's case does not matter";
    EXPECT_FALSE(fs::exists(m_dir / "r.lev"));
    EXPECT_FALSE(fs::exists(m_dir / "o.lev"));
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(CliTest, SaveReplacesTheFileALinkPointsToAndKeepsItsPermissions)
{
    const std::string good = WriteLevel("good.lev", kExample);
    fs::create_directory(m_dir / "real");
    const std::string target = Write("real/target.lev", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_hard_link(target, Path("hard.lev"));
    const std::string link = Path("link.lev");
    fs::create_symlink("real/target.lev", link);
    const std::string image = Path("image.png");
    fs::create_symlink("real/image.png", image);

    EXPECT_EQ(RunCli({"save", good, link}).status, 0);
    EXPECT_EQ(RunCli({"render", good, image}).status, 0);
    EXPECT_EQ(fs::read_symlink(link), "real/target.lev");
    EXPECT_EQ(RunCli({"info", link}).status, 0);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // The other hard link keeps the old content: the save gave the name a new file.
    EXPECT_EQ(Slurp(Path("hard.lev")), "old");
    // A link that points to no file yet: the file is made where it points.
    EXPECT_TRUE(fs::is_symlink(image));
    EXPECT_EQ(Slurp(m_dir / "real/image.png").substr(1, 3), "PNG");
}

TEST_F(CliTest, FailedSaveLeavesTheExistingFileIntact)
{
    const std::string good = WriteLevel("good.lev", kExample);
    const std::string bad = WriteLevel("bad.lev", "{Quorvale1}{}{}{}{0}{0}");
    const std::string out = Write("out.lev", "precious");
    EXPECT_EQ(RunCli({"save", bad, out}).status, 2);
    EXPECT_EQ(Slurp(out), "precious");
    EXPECT_EQ(RunCli({"save", good, out, "set", "0", "0", "Q"}).status, 64);
    EXPECT_EQ(Slurp(out), "precious");
    // Nothing but the result is left in the folder after a save.
    EXPECT_EQ(RunCli({"save", good, out}).status, 0);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_dir))
        ++files;
    EXPECT_EQ(files, 3);
}

TEST_F(CliTest, HelpAndVersionGoToStandardOutput)
{
    const CRun help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.err.empty());
    for (const char* word : {"info FILE", "cat FILE", "save FILE OUT", "rotate", "flip-h", "flip-v", "fit",
                             "shift DX DY", "set X Y CODE", "rect X1", "frame X1", "fill X Y", "resize W H",
                             "ball X Y", "name TEXT", "creator TEXT", "64", "--version", "OUT of - "})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
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

// The program itself: arguments, streams and exit status of the process.
TEST_F(CliTest, TheProgramPipesLevelsThroughStandardStreams)
{
    const char* bin = std::getenv("QV_BINARY_DIR");
    const std::string exe = std::string(bin ? bin : ".") + "/bin/quorvale-level";
    const std::string file = WriteLevel("example.lev", kExample);
    const std::string command = exe + " save " + file + " - rotate | " + exe + " cat - rotate rotate rotate";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int raw = pclose(pipe);
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0);
    EXPECT_EQ(out.substr(out.find("{Test}")), kExample.substr(kExample.find("{Test}")));
}
