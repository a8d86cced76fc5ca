#include "cli/Commands.h"

#include "cli/LevelOps.h"

#include <iostream>

int RunSave(const CliArgs& args)
{
    if (args.size() < 3)
        return ExitUsage;
    std::string error;
    std::vector<CLevelOp> ops;
    if (!ParseOps(args, 3, ops, error)) {
        std::cerr << "error: " << error << '\n';
        return ExitUsage;
    }
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(args[1], loaded); status != ExitOk)
        return status;
    ApplyOps(ops, loaded.level);
    return SaveLevelFile(loaded.level, args[2]);
}
