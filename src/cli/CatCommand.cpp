#include "cli/Commands.h"

#include "cli/LevelOps.h"

#include <iostream>

int RunCat(const CliArgs& args)
{
    if (args.size() < 2)
        return ExitUsage;
    CLoadedLevel loaded;
    if (const int status = LoadLevelWithOps(args, 2, loaded); status != ExitOk)
        return status;
    std::cout << loaded.level.WriteText() << std::flush;
    return std::cout ? ExitOk : PrintError("standard output: write failed", ExitFileError);
}
