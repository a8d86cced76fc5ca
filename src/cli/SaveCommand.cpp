#include "cli/Commands.h"

#include "cli/LevelOps.h"

int RunSave(const CliArgs& args)
{
    if (args.size() < 3)
        return ExitUsage;
    CLoadedLevel loaded;
    if (const int status = LoadLevelWithOps(args, 3, loaded); status != ExitOk)
        return status;
    return SaveLevelFile(loaded.level, args[2]);
}
