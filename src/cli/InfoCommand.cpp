#include "cli/Commands.h"

#include "file/NumberText.h"

int RunInfo(const CliArgs& args, CCliIo& io)
{
    if (args.size() < 2)
        return MissingArgument(io, "FILE");
    if (args.size() > 2)
        return UnexpectedArgument(io, args[2]);
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(args[1], loaded, io); status != ExitOk)
        return status;
    const CLevel& level = loaded.level;
    int used = 0;
    for (int x = 0; x < level.GetWidth(); ++x)
        for (int y = 0; y < level.GetHeight(); ++y)
            used += level.GetBlock(x, y).IsEmpty() ? 0 : 1;
    io.out << "format: " << loaded.header << '\n'
              << "id: " << level.GetId() << '\n'
              << "name: " << level.GetName() << '\n'
              << "creator: " << level.GetCreator() << '\n'
              << "size: " << level.GetWidth() << 'x' << level.GetHeight() << '\n'
              << "ball: " << FormatFixed(level.GetBallX()) << ' ' << FormatFixed(level.GetBallY()) << '\n'
              << "used: " << used << '\n';
    return FinishOutput(io);
}
