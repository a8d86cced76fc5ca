// quorvale-level render: the PNG it writes and its exit statuses.
#include "file/Archive.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("qv-render-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path Path(const std::string& name) const { return m_dir / name; }

    fs::path WriteLevel(const std::string& name, const std::string& text) const
    {
        std::ofstream file(Path(name), std::ios::binary);
        CArchive archive(file);
        archive.WriteString(text);
        return Path(name);
    }

    // Runs quorvale-level with args; stdout and stderr go to files in the test folder.
    int Run(const std::string& args) const
    {
        const char* bin = std::getenv("QV_BINARY_DIR");
        const std::string command = std::string(bin ? bin : ".") + "/bin/quorvale-level " + args + " >" +
                                    Path("out.txt").string() + " 2>" + Path("err.txt").string();
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::string Read(const std::string& name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    fs::path m_dir;
};

// Width, height, bit depth and colour type from a PNG's header chunk.
struct CPngHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int depth = 0;
    int colourType = -1;
};

CPngHeader ReadPngHeader(const std::string& bytes)
{
    CPngHeader header;
    if (bytes.size() < 33 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes.compare(12, 4, "IHDR") != 0)
        return header;
    auto word = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    header.width = word(16);
    header.height = word(20);
    header.depth = bytes[24];
    header.colourType = bytes[25];
    return header;
}

const char* const kLevel = "{Quorvale1}{}{Demo}{Me}{3}{2}{1.5}{1.0}{$}{C0G8W8}{T1G2S6}{P2I8H8}{M3T8G5}{S0W8}";

TEST_F(RenderCommandTest, WritesAnRgbPngOfTheCachedLevelImage)
{
    const std::string level = WriteLevel("demo.lev", kLevel).string();
    ASSERT_EQ(Run("render " + level + " " + Path("a.png").string()), 0);
    CPngHeader header = ReadPngHeader(Read("a.png"));
    EXPECT_EQ(header.width, 61u);
    EXPECT_EQ(header.height, 41u);
    EXPECT_EQ(header.depth, 8);
    EXPECT_EQ(header.colourType, 2); // RGB, no alpha
    EXPECT_EQ(Read("out.txt"), "");

    ASSERT_EQ(Run("render --no-grid " + level + " " + Path("b.png").string() + " --cell 7"), 0);
    header = ReadPngHeader(Read("b.png"));
    EXPECT_EQ(header.width, 22u);
    EXPECT_EQ(header.height, 15u);
    ASSERT_EQ(Run("render " + level + " " + Path("c.png").string() + " --cell 200"), 0);
    EXPECT_EQ(ReadPngHeader(Read("c.png")).width, 601u);
}

TEST_F(RenderCommandTest, FailuresKeepTheContract)
{
    const std::string level = WriteLevel("demo.lev", kLevel).string();
    const std::string out = Path("x.png").string();
    for (const std::string& args : {"render " + level, "render " + level + " " + out + " --cell 0",
                                    "render " + level + " " + out + " --cell 201",
                                    "render " + level + " " + out + " --cell 2x",
                                    "render " + level + " " + out + " --cell",
                                    "render " + level + " " + out + " extra",
                                    "render " + level + " " + out + " --grid"}) {
        EXPECT_EQ(Run(args), 64) << args;
        EXPECT_NE(Read("err.txt").find("usage: quorvale-level render FILE OUT.png"), std::string::npos) << args;
        EXPECT_FALSE(fs::exists(out)) << args;
    }
    EXPECT_EQ(Run("render " + Path("missing.lev").string() + " " + out), 1);
    EXPECT_NE(Read("err.txt").find("error: " + Path("missing.lev").string()), std::string::npos);
    EXPECT_EQ(Run("render " + WriteLevel("narrow.lev", "{Quorvale1}{}{}{}{1}{2}{0}{0}{$}{$}").string() + " " + out), 2);
    EXPECT_EQ(Run("render " + level + " " + Path("no/such/folder/x.png").string()), 1);
    EXPECT_NE(Read("err.txt").find("error: " + Path("no/such/folder/x.png").string()), std::string::npos);
    EXPECT_EQ(Read("out.txt"), "");
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
