#pragma once
// quorvale-level run in-process, each test in a scratch folder of its own.
#include "cli/QuorvaleLevel.h"

#include "common/LevelBytes.h"
#include "common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

struct CRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CRun RunCli(const std::vector<std::string>& args, const std::string& input = {}, bool errIsTerminal = false)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CRun run;
    run.status = RunQuorvaleLevel(args, in, out, err, errIsTerminal);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// A shell command line: its standard output and exit status.
inline CRun RunProgram(const std::string& command)
{
    CRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

// "width x height depth/colour type" from the header chunk of a PNG file's bytes.
inline std::string PngHeader(const std::string& bytes)
{
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

class CliTest : public CScratchTest {
protected:
    std::string WriteLevel(const std::string& name, const std::string& text) { return Write(name, ArchiveOf(text)); }
};
