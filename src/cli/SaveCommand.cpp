#include "cli/Commands.h"

#include "cli/LevelOps.h"

int RunSave(const CliArgs& args, CCliIo& io)
{
    if (args.size() < 3)
        return MissingArgument(io, args.size() < 2 ? "FILE and OUT" : "OUT");
    CLoadedLevel loaded;
    if (const int status = LoadLevelWithOps(args, 3, loaded, io); status != ExitOk)
        return status;
    return SaveLevelFile(loaded.level, args[2], io);
}
