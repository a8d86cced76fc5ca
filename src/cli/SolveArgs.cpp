#include "cli/SolveArgs.h"

#include "solve/ShotSolver.h"
#include "solve/WorkerThreads.h"

#include <algorithm>
#include <thread>

namespace {

struct CCountArg {
    const char* name;
    SolveArg arg;
    int min;
    int max;
    int CSolveOptions::*field;
};

constexpr CCountArg kCountArgs[] = {
    {"--max-shots", ArgMaxShots, 1, 100, &CSolveOptions::maxShots},
    {"--headings", ArgHeadings, 1, CShotSet::kMaxHeadings, &CSolveOptions::headings},
    {"--jobs", ArgJobs, 1, 256, &CSolveOptions::jobs},
    {"--merge", ArgMerge, 0, 1024, &CSolveOptions::mergeGrid},
    {"--min-forgiveness", ArgMinForgiveness, 0, 100, &CSolveOptions::minForgiveness},
};

} // namespace

int TakeSolveArg(const CliArgs& args, std::size_t& i, unsigned accepted, CSolveOptions& options, bool& taken,
                 CCliIo& io)
{
    const std::string& name = args[i];
    const CCountArg* count = nullptr;
    for (const CCountArg& candidate : kCountArgs) {
        if (name == candidate.name && (accepted & candidate.arg))
            count = &candidate;
    }
    taken = count || (name == "--time-limit" && (accepted & ArgTimeLimit));
    if (!taken)
        return ExitOk;
    if (i + 1 == args.size())
        return MissingArgument(io, "a value for " + name);
    const std::string& value = args[++i];
    if (!count) {
        if (!ParseExact(value, options.timeLimit) || options.timeLimit <= 0)
            return BadOptionValue(io, name, "a number of seconds above 0", value);
        return ExitOk;
    }
    int parsed = 0;
    if (!ParseExact(value, parsed) || parsed < count->min || parsed > count->max) {
        return BadOptionValue(io, name,
                              "a whole number from " + std::to_string(count->min) + " to " + std::to_string(count->max),
                              value);
    }
    options.*count->field = parsed;
    return ExitOk;
}

int CheckJobs(const CSolveOptions& options, CCliIo& io)
{
    const int jobs = options.jobs > 0 ? options.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::string reason;
    if (!CanRunThreads(jobs, reason))
        return PrintError(io, "--jobs: " + reason, ExitFileError);
    return ExitOk;
}
