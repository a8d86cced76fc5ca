#pragma once
#include "cli/CliCommon.h"

#include <cstddef>

struct CSolveOptions;

// The solver's options on the command line: --max-shots N, --headings N, --jobs N,
// --time-limit SECONDS, --merge M and --min-forgiveness P; a command accepts those whose bits it
// passes.
enum SolveArg : unsigned {
    ArgMaxShots = 1,
    ArgHeadings = 2,
    ArgJobs = 4,
    ArgTimeLimit = 8,
    ArgMerge = 16,
    ArgMinForgiveness = 32,
};

// When args[i] is one of the accepted options, reads its value into options, moves i onto the
// value and sets taken. Returns ExitOk, or a usage error (printed) for a missing or bad value.
int TakeSolveArg(const CliArgs& args, std::size_t& i, unsigned accepted, CSolveOptions& options, bool& taken,
                 CCliIo& io);

// Whether the threads that options.jobs asks for (0: one per processor) can run here: ExitOk, or
// an error printed and ExitFileError when the system cannot start that many.
int CheckJobs(const CSolveOptions& options, CCliIo& io);
