#include "cli/Commands.h"

#include "cli/LevelOps.h"

#include <iostream>

int RunCat(const CliArgs& args)
{
    if (args.size() < 2)
        return ExitUsage;
    // Operations are checked before the file is read, so a typing slip is a usage error.
    std::string error;
    std::vector<CLevelOp> ops;
    if (!ParseOps(args, 2, ops, error)) {
        std::cerr << "error: " << error << '\n';
        return ExitUsage;
    }
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(args[1], loaded); status != ExitOk)
        return status;
    ApplyOps(ops, loaded.level);
    std::cout << loaded.level.WriteText() << std::flush;
    return std::cout ? ExitOk : PrintError("standard output: write failed", ExitFileError);
}
