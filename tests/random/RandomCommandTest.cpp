#include "RandomFixtures.h"

#include "random/ProgramFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kTemp = std::filesystem::temp_directory_path() / ("qv-random-" + std::to_string(getpid()));

// Runs quorvale-level; returns the exit status and what it wrote, stdout then stderr.
std::pair<int, std::string> RunCli(const std::string& args)
{
    const int raw = std::system((GetProgramFolder() + "quorvale-level " + args + " >" + kTemp + ".out 2>&1").c_str());
    std::stringstream text;
    text << std::ifstream(kTemp + ".out").rdbuf();
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
}

// The level text from the size on: the part that does not hold identity, name and creator.
std::string Body(const CLevel& level)
{
    const std::string text = level.WriteText();
    return text.substr(text.find("{50}{50}"));
}

} // namespace

TEST(RandomCommand, SeedReproducesTheGenerationAndFailuresFollowTheExitContract)
{
    ASSERT_TRUE(std::filesystem::exists(GetProgramFolder() + "quorvale-level"));
    const std::string bites = ShippedBiteFolder();
    const std::string file = kTemp + ".lev";
    EXPECT_EQ(RunCli("random " + file + " --seed 42 --bites " + bites), std::make_pair(0, std::string("seed: 42\n")));
    CLevel saved;
    ASSERT_TRUE(saved.LoadFromFile(file));
    EXPECT_EQ(Body(saved), Body(GenerateWithSeed(42, bites)));

    // A bite folder that does not exist is only worth a warning.
    const auto [status, text] = RunCli("random " + file + " --bites " + bites + "none --seed 1");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(text.rfind("quorvale-level: warning:", 0), 0u) << text;

    for (const char* usage : {"", "--seed 3", "o.lev --seed", "o.lev --seed -1", "o.lev --seed 12x", "o.lev p.lev"})
        EXPECT_EQ(RunCli(std::string("random ") + usage).first, 64) << usage;
    const auto [unwritable, why] = RunCli("random " + bites + "none/o.lev --seed 1 --bites " + bites);
    EXPECT_EQ(unwritable, 1);
    EXPECT_EQ(why.rfind("quorvale-level: error:", 0), 0u) << why;
    std::filesystem::remove(file);
    std::filesystem::remove(kTemp + ".out");
}

TEST(RandomCommand, InstalledProgramFindsTheBitesInTheDataFolder)
{
    namespace fs = std::filesystem;
    ASSERT_TRUE(fs::exists(GetProgramFolder() + "quorvale-level"));
    const fs::path prefix = kTemp + "-prefix";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share/quorvale-editor");
    fs::copy_file(GetProgramFolder() + "quorvale-level", prefix / "bin/quorvale-level");
    fs::copy(ShippedBiteFolder(), prefix / "share/quorvale-editor/RBites");
    const std::string file = kTemp + ".lev";
    const int raw = std::system(((prefix / "bin/quorvale-level").string() + " random " + file +
                                 " --seed 9 >/dev/null 2>" + kTemp + ".out").c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0);
    EXPECT_EQ(fs::file_size(kTemp + ".out"), 0u);
    CLevel saved;
    ASSERT_TRUE(saved.LoadFromFile(file));
    EXPECT_EQ(Body(saved), Body(GenerateWithSeed(9, ShippedBiteFolder())));
    fs::remove_all(prefix);
    fs::remove(file);
    fs::remove(kTemp + ".out");
}
