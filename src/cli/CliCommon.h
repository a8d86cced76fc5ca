#pragma once
#include "model/Level.h"

#include <string>
#include <vector>

// Exit statuses of quorvale-level.
enum ExitStatus : int {
    ExitOk = 0,
    ExitFileError = 1, // a file cannot be opened, read or written
    ExitRejected = 2,  // the level reader rejected the text
    ExitUsage = 64,
};

using CliArgs = std::vector<std::string>;

// A level file loaded the way the editor's Open loads it.
struct CLoadedLevel {
    CLevel level;
    std::string header; // the header field found in the text
};

// Loads path into loaded.level. On failure prints "error: ..." naming the file and returns the
// exit status (ExitFileError or ExitRejected); ExitOk on success.
int LoadLevelFile(const std::string& path, CLoadedLevel& loaded);

// Saves the level as the editor's Save does (identity rebuilt) to path, atomically: the bytes go
// to a temporary file beside it that replaces path only once complete. Prints "error: ..." and
// returns ExitFileError when it cannot; an existing file at path is then left as it was.
int SaveLevelFile(CLevel& level, const std::string& path);

// Writes bytes to path atomically (temporary file, flush to disk, rename). Empty string on
// success, otherwise the reason.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

int PrintError(const std::string& message, int status);
