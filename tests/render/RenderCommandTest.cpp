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
    void SetUp() override { fs::create_directories(m_dir); }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    std::string WriteLevel(const std::string& name, const std::string& text) const
    {
        std::ofstream file(Path(name), std::ios::binary);
        CArchive(file).WriteString(text);
        return Path(name);
    }

    // Runs quorvale-level; stdout and stderr go to out.txt and err.txt.
    int Run(const std::string& args) const
    {
        const char* bin = std::getenv("QV_BINARY_DIR");
        const std::string command = std::string(bin ? bin : ".") + "/bin/quorvale-level " + args + " >" +
                                    Path("out.txt") + " 2>" + Path("err.txt");
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::string Read(const std::string& name) const
    {
        std::ostringstream bytes;
        bytes << std::ifstream(Path(name), std::ios::binary).rdbuf();
        return bytes.str();
    }

    // "width x height depth/colour type" from a PNG file's header chunk.
    std::string PngHeader(const std::string& name) const
    {
        const std::string bytes = Read(name);
        if (bytes.size() < 26 || bytes.compare(0, 16, std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16)) != 0)
            return "not a PNG";
        auto word = [&](std::size_t at) {
            std::uint32_t value = 0;
            for (std::size_t i = 0; i < 4; ++i)
                value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
            return std::to_string(value);
        };
        return word(16) + " x " + word(20) + " " + std::to_string(bytes[24]) + "/" + std::to_string(bytes[25]);
    }

    fs::path m_dir = fs::temp_directory_path() / ("qv-render-" + std::to_string(::getpid()));
};

const char* const kLevel = "{Quorvale1}{}{Demo}{Me}{3}{2}{1.5}{1.0}{$}{C0G8W8}{T1G2S6}{P2I8H8}{M3T8G5}{S0W8}";

TEST_F(RenderCommandTest, WritesAnRgbPngOfTheCachedLevelImage)
{
    const std::string level = WriteLevel("demo.lev", kLevel);
    ASSERT_EQ(Run("render " + level + " " + Path("a.png")), 0);
    EXPECT_EQ(PngHeader("a.png"), "61 x 41 8/2"); // 8-bit RGB, no alpha
    EXPECT_EQ(Read("out.txt"), "");
    ASSERT_EQ(Run("render --no-grid " + level + " " + Path("b.png") + " --cell 7"), 0);
    EXPECT_EQ(PngHeader("b.png"), "22 x 15 8/2");
    ASSERT_EQ(Run("render " + level + " " + Path("c.png") + " --cell 200"), 0);
    EXPECT_EQ(PngHeader("c.png"), "601 x 401 8/2");
}

TEST_F(RenderCommandTest, FailuresKeepTheContract)
{
    const std::string level = WriteLevel("demo.lev", kLevel);
    const std::string out = Path("x.png");
    for (const char* rest : {"", " --cell 0", " --cell 201", " --cell 2x", " --cell", " extra", " --grid"}) {
        const std::string args = "render " + level + (*rest ? " " + out + rest : "");
        EXPECT_EQ(Run(args), 64) << args;
        EXPECT_NE(Read("err.txt").find("usage: quorvale-level render FILE OUT.png"), std::string::npos) << args;
    }
    EXPECT_EQ(Run("render " + Path("missing.lev") + " " + out), 1);
    EXPECT_NE(Read("err.txt").find("quorvale-level: error: " + Path("missing.lev")), std::string::npos);
    EXPECT_EQ(Run("render " + WriteLevel("narrow.lev", "{Quorvale1}{}{}{}{1}{2}{0}{0}{$}{$}") + " " + out), 2);
    EXPECT_EQ(Run("render " + level + " " + Path("no/such/folder/x.png")), 1);
    EXPECT_NE(Read("err.txt").find("quorvale-level: error: " + Path("no/such/folder/x.png")), std::string::npos);
    EXPECT_EQ(Read("out.txt"), "");
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
