#include "cli/Commands.h"

#include "cli/LevelPng.h"

int RunRender(const CliArgs& args, CCliIo& io)
{
    CImageArgs image;
    bool grid = true;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--no-grid")
            grid = false;
        else if (const int status = TakeImageArg(args, i, image, io); status != ExitOk)
            return status;
    }
    CLoadedLevel loaded;
    if (const int status = LoadImageArgs(image, loaded, io); status != ExitOk)
        return status;
    return WriteLevelPng(loaded.level, image.cell, grid, image.files[1], io);
}
