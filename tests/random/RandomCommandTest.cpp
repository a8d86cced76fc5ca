#include "BiteFiles.h"

#include "random/ProgramFolder.h"
#include "random/RandomLevelGenerator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string CliPath()
{
    const char* binary = std::getenv("QV_BINARY_DIR");
    return binary ? std::string(binary) + "/bin/quorvale-level" : GetProgramFolder() + "quorvale-level";
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

struct CRun {
    int status;
    std::string out;
    std::string err;
};

CRun RunCli(const std::string& args)
{
    const fs::path out = fs::temp_directory_path() / ("qv-random-out-" + std::to_string(getpid()));
    const fs::path err = fs::temp_directory_path() / ("qv-random-err-" + std::to_string(getpid()));
    const int raw = std::system((CliPath() + " " + args + " >" + out.string() + " 2>" + err.string()).c_str());
    CRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
    fs::remove(out);
    fs::remove(err);
    return run;
}

bool SameBlocksAndBall(const CLevel& a, const CLevel& b)
{
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight() || a.GetBallX() != b.GetBallX() ||
        a.GetBallY() != b.GetBallY())
        return false;
    for (int x = 0; x < a.GetWidth(); ++x)
        for (int y = 0; y < a.GetHeight(); ++y)
            if (a.GetBlock(x, y).ToCode() != b.GetBlock(x, y).ToCode())
                return false;
    return true;
}

} // namespace

TEST(RandomCommand, SeedReproducesTheGenerationAndFailuresFollowTheExitContract)
{
    if (!fs::exists(CliPath()))
        GTEST_SKIP() << "quorvale-level is not built";
    const std::string bites = ShippedBiteFolder();
    const std::string file = (fs::temp_directory_path() / ("qv-random-" + std::to_string(getpid()) + ".lev")).string();

    const CRun run = RunCli("random " + file + " --seed 42 --bites " + bites);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "seed: 42\n");
    CLevel saved;
    ASSERT_TRUE(saved.LoadFromFile(file));
    CRandomLevelGenerator generator;
    generator.SetBiteFolder(bites);
    std::srand(42);
    generator.Generate();
    EXPECT_TRUE(SameBlocksAndBall(saved, generator.GetLevel()));
    EXPECT_NE(saved.GetId(), "");

    // A bite folder that does not exist gives a warning and a level without bites.
    const CRun missing = RunCli("random " + file + " --bites " + bites + "no-such-folder --seed 1");
    EXPECT_EQ(missing.status, 0);
    EXPECT_NE(missing.err.find("warning:"), std::string::npos);
    ASSERT_TRUE(saved.LoadFromFile(file));
    EXPECT_EQ(saved.GetBlock(0, 0).ToCode(), "$");
    fs::remove(file);

    for (const char* usage : {"", "--seed 3", "out.lev --seed", "out.lev --seed -1", "out.lev --seed 12x",
                              "out.lev other.lev", "out.lev --colour red"}) {
        const CRun bad = RunCli(std::string("random ") + usage);
        EXPECT_EQ(bad.status, 64) << usage;
        EXPECT_EQ(bad.out, "") << usage;
    }
    const CRun unwritable = RunCli("random " + bites + "no-such-folder/out.lev --seed 1 --bites " + bites);
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.out, "");
    EXPECT_NE(unwritable.err.find("error:"), std::string::npos);
}
