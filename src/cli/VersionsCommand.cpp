#include "cli/Commands.h"

#include "state/VersionStore.h"

#include <cstdio>
#include <ctime>

namespace {

// The local time in ISO 8601 with the offset from UTC: 2024-03-05T14:07:09+01:00.
std::string LocalTimeText(std::chrono::system_clock::time_point time)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local {};
    localtime_r(&seconds, &local);
    char text[40];
    const long offset = local.tm_gmtoff / 60;
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    std::snprintf(text + length, sizeof text - length, "%c%02ld:%02ld", offset < 0 ? '-' : '+',
                  (offset < 0 ? -offset : offset) / 60, (offset < 0 ? -offset : offset) % 60);
    return text;
}

} // namespace

int RunVersions(const CliArgs& args, CCliIo& io)
{
    if (args.size() < 2)
        return MissingArgument(io, "FILE");
    if (args.size() > 2)
        return UnexpectedArgument(io, args[2]);
    if (args[1] == "-")
        return PrintError(io, "FILE must name a file: standard input has no versions", ExitUsage);
    for (const CKeptVersion& version : CVersionStore().List(args[1]))
        io.out << LocalTimeText(version.time) << ' ' << version.size << ' ' << version.path << '\n';
    return FinishOutput(io);
}
