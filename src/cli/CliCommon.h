#pragma once
#include "model/Level.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

// Exit statuses of quorvale-level.
enum ExitStatus : int {
    ExitOk = 0,
    ExitFileError = 1, // a file cannot be opened, read or written
    ExitRejected = 2,  // the level reader rejected the text
    ExitUsage = 64,
};

inline constexpr char kProgramName[] = "quorvale-level";

using CliArgs = std::vector<std::string>;

// The streams a command reads and writes: the process's own, or strings when run in-process.
struct CCliIo {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // The error stream is a terminal: a long command may show its progress there.
    bool errIsTerminal = false;
};

// A level file loaded the way the editor's Open loads it.
struct CLoadedLevel {
    CLevel level;
    std::string header; // the header field found in the text
};

// Every message of quorvale-level goes through here: "quorvale-level: error: MESSAGE" on the
// error stream. Returns status.
int PrintError(CCliIo& io, const std::string& message, int status);
void PrintWarning(CCliIo& io, const std::string& message);

// The name a FILE or OUT argument goes by in messages: "-" is standard input or output.
std::string DisplayName(const std::string& path, bool output);

// Loads path ("-": standard input) into loaded.level; of a file, only a regular one within the
// read limit is read (FileAccess.h). On failure prints an error naming the file and returns the
// exit status (ExitFileError or ExitRejected); ExitOk on success.
int LoadLevelFile(const std::string& path, CLoadedLevel& loaded, CCliIo& io);

// Saves the level as the editor's Save does (identity rebuilt) to path, through WriteOutput.
// Prints an error and returns ExitFileError when it cannot; the level is then marked modified.
int SaveLevelFile(CLevel& level, const std::string& path, CCliIo& io);

// Flushes the output stream: ExitOk, or an error printed and ExitFileError when writing failed.
int FinishOutput(CCliIo& io);

// Writes bytes to path with WriteFileAtomically (FileAccess.h), or to the output stream when path
// is "-". Prints an error and returns ExitFileError when it cannot; an existing file at path is
// then left as it was.
int WriteOutput(const std::string& path, const std::string& bytes, CCliIo& io);

// The whole text is exactly one number of T (finite, for floating-point T).
template <class T>
bool ParseExact(const std::string& text, T& value)
{
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end)
        return false;
    if constexpr (std::is_floating_point_v<T>)
        return std::isfinite(value);
    return true;
}

// Usage errors of the arguments: "missing WHAT" and "unexpected argument 'ARG'".
int MissingArgument(CCliIo& io, const std::string& what);
int UnexpectedArgument(CCliIo& io, const std::string& arg);
// For a bad option value: "OPTION needs EXPECTED, not 'VALUE'", a usage error.
int BadOptionValue(CCliIo& io, const std::string& option, const std::string& expected, const std::string& value);
