#include "cli/Commands.h"

#include "cli/LevelOps.h"

int RunCat(const CliArgs& args, CCliIo& io)
{
    if (args.size() < 2)
        return MissingArgument(io, "FILE");
    CLoadedLevel loaded;
    if (const int status = LoadLevelWithOps(args, 2, loaded, io); status != ExitOk)
        return status;
    return WriteOutput("-", loaded.level.WriteText(), io);
}
