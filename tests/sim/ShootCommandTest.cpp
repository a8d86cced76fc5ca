// quorvale-level shoot: the headless shot reproduces the ball's own steps.
#include "sim/Ball.h"

#include "SimFakes.h"
#include "file/Archive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct CShootRun {
    int status = -1;
    std::vector<std::string> lines;
    std::string err;
};

class ShootCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* binary = std::getenv("QV_BINARY_DIR");
        m_exe = std::string(binary ? binary : ".") + "/bin/quorvale-level";
        if (!fs::exists(m_exe))
            GTEST_SKIP() << "quorvale-level is not built";
        m_dir = fs::temp_directory_path() / ("qv-shoot-" + std::to_string(getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Save(CLevel level, const std::string& name)
    {
        const fs::path path = m_dir / name;
        std::ofstream file(path, std::ios::binary);
        CArchive archive(file);
        EXPECT_TRUE(level.Store(archive));
        return path.string();
    }

    CShootRun Run(const std::string& args)
    {
        const fs::path out = m_dir / "out.txt";
        const fs::path err = m_dir / "err.txt";
        const int raw = std::system((m_exe + " shoot " + args + " >" + out.string() + " 2>" + err.string()).c_str());
        CShootRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream outFile(out);
        for (std::string line; std::getline(outFile, line);)
            run.lines.push_back(line);
        std::ifstream errFile(err);
        std::getline(errFile, run.err, '\0');
        return run;
    }

    std::string m_exe;
    fs::path m_dir;
};

std::string Format(const char* format, auto... values)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

} // namespace

TEST_F(ShootCommandTest, TraceFollowsTheBallStepByStep)
{
    CLevel level = MakeGrassLevel();
    level.SetBall(2.5, 5.5);
    SetCell(level, 4, 4, Sand);
    SetCell(level, 8, 3, Hole);
    const std::string file = Save(level, "cup.lev");
    const CShootRun run = Run(file + " --angle -0.4 --strength 14 --trace");
    ASSERT_EQ(run.status, 0) << run.err;

    CBall ball(0);
    ball.AttachLevel(&level);
    ball.Launch(14.0, -0.4, CBall::kNormal);
    int steps = 0;
    bool moving = true;
    while (moving) {
        moving = ball.Advance();
        ++steps;
        ASSERT_LT(static_cast<std::size_t>(steps), run.lines.size());
        EXPECT_EQ(run.lines[steps - 1], Format("%d %.17g %.17g %.17g %.17g %.17g", steps, ball.GetX(), ball.GetY(),
                                               ball.GetSpeed(), ball.GetAngle(), ball.GetRadius()));
    }
    ASSERT_EQ(run.lines.size(), static_cast<std::size_t>(steps) + 1);
    EXPECT_TRUE(ball.IsInCup());
    EXPECT_EQ(run.lines.back(), Format("result: cup steps: %d x: %f y: %f", steps, ball.GetX(), ball.GetY()));
}

TEST_F(ShootCommandTest, ResultsAndFailures)
{
    CLevel level = MakeGrassLevel();
    level.SetBall(2.5, 2.5);
    SetCell(level, 2, 6, Water);
    const std::string file = Save(level, "water.lev");
    EXPECT_EQ(Run(file + " --strength 9 --angle 1.5707963267948966").lines,
              std::vector<std::string>{"result: water steps: 89 x: 2.500000 y: 2.500000"});
    const CShootRun rest = Run(file + " --strength 0 --angle 0");
    EXPECT_EQ(rest.lines, std::vector<std::string>{"result: rest steps: 202 x: 2.500000 y: 2.500000"});
    EXPECT_EQ(Run(file + " --strength 9 --angle 0 --max-steps 5").lines.back(),
              "result: moving steps: 5 x: 2.723650 y: 2.500000");

    for (const std::string& args : {file + " --strength 9", file + " --strength x --angle 0",
                                    file + " --strength nan --angle 0", file + " --strength 1 --angle 0 --max-steps 0",
                                    file + " --strength 1 --angle 0 --bounce"}) {
        const CShootRun bad = Run(args);
        EXPECT_EQ(bad.status, 64) << args;
        EXPECT_TRUE(bad.lines.empty()) << args;
    }
    const CShootRun missing = Run((m_dir / "missing.lev").string() + " --strength 1 --angle 0");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.lines.empty());
    EXPECT_NE(missing.err.find("missing.lev"), std::string::npos);
}
