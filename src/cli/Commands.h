#pragma once
#include "cli/CliCommon.h"

// One function per quorvale-level command; args[0] is the command name. A usage error prints its
// reason and returns ExitUsage; the caller then prints the command's usage.
int RunInfo(const CliArgs& args, CCliIo& io);
int RunCat(const CliArgs& args, CCliIo& io);
int RunSave(const CliArgs& args, CCliIo& io);
int RunRandom(const CliArgs& args, CCliIo& io);
int RunRender(const CliArgs& args, CCliIo& io);
int RunShoot(const CliArgs& args, CCliIo& io);
int RunSolve(const CliArgs& args, CCliIo& io);
int RunPlay(const CliArgs& args, CCliIo& io);
int RunShotmap(const CliArgs& args, CCliIo& io);
int RunVersions(const CliArgs& args, CCliIo& io);

class CBall;
// The line --trace prints after a step: "step x y speed angle radius", all exact.
std::string FormatTraceLine(long long step, const CBall& ball);

struct CSolveOptions;
struct CSolveResult;
// The last line of solve, the search's answer: "par: 4", "par: at most 5, none of 2 shots or
// fewer (stopped after 10 s)" and so on.
std::string FormatSolveAnswer(const CSolveResult& result, const CSolveOptions& options);
