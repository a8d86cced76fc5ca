#include "cli/Commands.h"

#include "cli/LevelPng.h"
#include "cli/SolveArgs.h"
#include "solve/ShotMap.h"
#include "solve/ShotSolver.h"

#include <array>

int RunShotmap(const CliArgs& args, CCliIo& io)
{
    CImageArgs image;
    CSolveOptions options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        bool taken = false;
        if (const int status = TakeSolveArg(args, i, ArgHeadings | ArgJobs, options, taken, io); status != ExitOk)
            return status;
        if (!taken) {
            if (const int status = TakeImageArg(args, i, image, io); status != ExitOk)
                return status;
        }
    }
    CLoadedLevel loaded;
    if (const int status = LoadImageArgs(image, loaded, io); status != ExitOk)
        return status;

    if (CShotMap::CountShots(loaded.level, options.headings) > CShotMap::kMaxShots)
        return PrintError(io, "--headings " + std::to_string(options.headings) + ": the map of this level would hold more than " +
                                  std::to_string(CShotMap::kMaxShots) + " shots; take fewer headings",
                          ExitUsage);
    if (const int status = CheckJobs(options, io); status != ExitOk)
        return status;
    CShotMap map;
    map.Make(loaded.level, options.headings, options.jobs);
    const std::string& out = image.files[1];
    const int status = WriteLevelPng(loaded.level, image.cell, true, out, io,
                                     [&](CDeviceContext& dc) { map.Draw(dc, 0, 0, image.cell); });
    if (status != ExitOk)
        return status;
    std::array<int, 4> counts{};
    for (const CMapShot& shot : map.GetShots())
        ++counts[shot.result];
    // With the image on standard output, the counts go with the messages.
    (out == "-" ? io.err : io.out) << "shots: " << map.GetShots().size() << " cup: " << counts[ShotCup]
                                        << " rest: " << counts[ShotRest] << " water: " << counts[ShotWater]
                                        << " moving: " << counts[ShotMoving] << '\n';
    return FinishOutput(io);
}
