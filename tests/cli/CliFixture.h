#pragma once
// quorvale-level run in-process, each test in a scratch folder of its own.
#include "cli/QuorvaleLevel.h"
#include "file/Archive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

struct CRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string Archived(const std::string& text)
{
    std::ostringstream bytes;
    CArchive archive(bytes);
    archive.WriteString(text);
    return bytes.str();
}

inline CRun RunCli(const std::vector<std::string>& args, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CRun run;
    run.status = RunQuorvaleLevel(args, in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
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

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    std::string WriteLevel(const std::string& name, const std::string& text) { return Write(name, Archived(text)); }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};
