// Black-box tests of quorvale-level: exit statuses, exact outputs and file safety.
#include "file/Archive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct CRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("qv-cli-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    CRun Run(const std::string& args)
    {
        const char* bin = std::getenv("QV_BINARY_DIR");
        const std::string exe = std::string(bin ? bin : ".") + "/bin/quorvale-level";
        const fs::path err = m_dir / "stderr.txt";
        const std::string command = exe + " " + args + " 2>" + err.string();
        CRun run;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, n);
        const int raw = pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.err = Slurp(err);
        return run;
    }

    fs::path Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path WriteLevel(const std::string& name, const std::string& text)
    {
        std::ostringstream bytes;
        CArchive archive(bytes);
        archive.WriteString(text);
        return Write(name, bytes.str());
    }

    fs::path m_dir;
};

const std::string kExample = "{Quorvale1}\r\n{-28330017200403065140509}\r\n{Test}{Me}\r\n{2}{2}\r\n"
                             "{1.000000}{1.000000}\r\n{$}{S0T8}\r\n{T1G8W8}{S0H8}\r\n";

} // namespace

TEST_F(CliTest, InfoPrintsExactlyTheSevenLines)
{
    const fs::path file = WriteLevel("example.lev", kExample);
    const CRun run = Run("info " + file.string());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "format: Quorvale1\nid: -28330017200403065140509\nname: Test\ncreator: Me\n"
                       "size: 2x2\nball: 1.000000 1.000000\nused: 3\n");
    const fs::path old = WriteLevel("old.lev", "{Quorvael alfa1}{i}{n}{c}{2}{2}{9}{0.1}{$}{$}{$}{T1G2W8}");
    EXPECT_EQ(Run("info " + old.string()).out, "format: Quorvael alfa1\nid: i\nname: n\ncreator: c\n"
                                               "size: 2x2\nball: 1.650000 0.350000\nused: 1\n");
}

TEST_F(CliTest, CatAppliesOperationsInOrderAndKeepsTheIdentity)
{
    const fs::path file = WriteLevel("example.lev", kExample);
    EXPECT_EQ(Run("cat " + file.string()).out, kExample);
    const CRun run = Run("cat " + file.string() + " resize 3 2 set 2 1 S0I8 flip-h name 'a{b}' ball 0 9");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{Quorvale1}\r\n{-28330017200403065140509}\r\n{ab}{Me}\r\n{3}{2}\r\n"
                       "{0.350000}{1.650000}\r\n{$}{S0T8}{$}\r\n{S0I8}{S0H8}{T2G8W8}\r\n");
    EXPECT_EQ(Run("cat " + file.string() + " rotate rotate rotate rotate").out, kExample);
}

TEST_F(CliTest, SaveRebuildsTheIdentityAndWritesTheContainer)
{
    const fs::path file = WriteLevel("example.lev", kExample);
    const fs::path out = m_dir / "out.lev";
    const CRun run = Run("save " + file.string() + " " + out.string() + " fill 0 0 S0S8");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    const std::string bytes = Slurp(out);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), bytes.size() - 1);
    EXPECT_NE(bytes.find("{S0S8}{S0T8}"), std::string::npos);
    EXPECT_EQ(bytes.find("-28330017200403065140509"), std::string::npos);
    EXPECT_EQ(fs::status(out).permissions() & fs::perms::owner_read, fs::perms::owner_read);
}

TEST_F(CliTest, FailuresUseTheirExitStatusesAndPrintNothingOnStdout)
{
    const fs::path good = WriteLevel("good.lev", kExample);
    struct CCase {
        std::string args;
        int status;
        std::string message;
    };
    const std::vector<CCase> cases = {
        {"info " + (m_dir / "missing.lev").string(), 1, "No such file"},
        {"info " + m_dir.string(), 1, "is a directory"},
        {"info " + Write("empty.lev", "").string(), 1, "unexpected end of file"},
        {"info " + Write("short.lev", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF{Quorvale1}").string(), 1, "end of file"},
        {"info " + WriteLevel("header.lev", "{Quorvale2}{}{}{}{2}{2}{0}{0}{$}{$}{$}{$}").string(), 2, "header"},
        {"info " + WriteLevel("narrow.lev", "{Quorvale1}{}{}{}{1}{5}{0}{0}{$}").string(), 2, "below 2"},
        {"info " + WriteLevel("cells.lev", "{Quorvale1}{}{}{}{2}{2}{0}{0}{$}{$}{$}").string(), 2, "missing cell"},
        {"", 64, "Usage"},
        {"frobnicate x", 64, "Usage"},
        {"info", 64, "usage"},
        {"cat " + good.string() + " set 1 1 Q", 64, "bad argument"},
        {"cat " + good.string() + " rect 1 2", 64, "needs 5"},
        {"cat " + good.string() + " resize 5000 2", 64, "resize"},
        {"cat " + good.string() + " ball nan 1", 64, "bad argument"},
        {"save " + good.string(), 64, "usage"},
        {"save " + good.string() + " " + (m_dir / "no/such/dir/out.lev").string(), 1, "No such file"},
        {"save " + good.string() + " " + m_dir.string(), 1, "directory"},
    };
    for (const CCase& c : cases) {
        const CRun run = Run(c.args);
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
        EXPECT_TRUE(run.out.empty()) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << "\n" << run.err;
    }
    EXPECT_FALSE(fs::exists(m_dir / "no"));
}

TEST_F(CliTest, FailedSaveLeavesTheExistingFileIntact)
{
    const fs::path good = WriteLevel("good.lev", kExample);
    const fs::path bad = WriteLevel("bad.lev", "{Quorvale1}{}{}{}{0}{0}");
    const fs::path out = Write("out.lev", "precious");
    EXPECT_EQ(Run("save " + bad.string() + " " + out.string()).status, 2);
    EXPECT_EQ(Slurp(out), "precious");
    EXPECT_EQ(Run("save " + good.string() + " " + out.string() + " set 0 0 Q").status, 64);
    EXPECT_EQ(Slurp(out), "precious");
    // Nothing but the result is left in the folder after a save.
    EXPECT_EQ(Run("save " + good.string() + " " + out.string()).status, 0);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_dir))
        ++files;
    EXPECT_EQ(files, 4); // good, bad, out and the stderr capture
}

TEST_F(CliTest, HelpDescribesEveryOperation)
{
    const CRun run = Run("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* word : {"info FILE", "cat FILE", "save FILE OUT", "rotate", "flip-h", "flip-v", "fit",
                             "shift DX DY", "set X Y CODE", "rect X1", "frame X1", "fill X Y", "resize W H",
                             "ball X Y", "name TEXT", "creator TEXT", "64"})
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
}
