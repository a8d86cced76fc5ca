#include "cli/Commands.h"

#include "file/NumberText.h"

#include <iostream>

int RunInfo(const CliArgs& args)
{
    if (args.size() != 2)
        return ExitUsage;
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(args[1], loaded); status != ExitOk)
        return status;
    const CLevel& level = loaded.level;
    int used = 0;
    for (int x = 0; x < level.GetWidth(); ++x)
        for (int y = 0; y < level.GetHeight(); ++y)
            used += level.GetBlock(x, y).IsEmpty() ? 0 : 1;
    std::cout << "format: " << loaded.header << '\n'
              << "id: " << level.GetId() << '\n'
              << "name: " << level.GetName() << '\n'
              << "creator: " << level.GetCreator() << '\n'
              << "size: " << level.GetWidth() << 'x' << level.GetHeight() << '\n'
              << "ball: " << FormatFixed(level.GetBallX()) << ' ' << FormatFixed(level.GetBallY()) << '\n'
              << "used: " << used << '\n';
    return ExitOk;
}
