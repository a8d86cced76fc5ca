#include "cli/Commands.h"

#include "random/ProgramFolder.h"
#include "random/RandomLevelGenerator.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

int RunRandom(const CliArgs& args, CCliIo& io)
{
    std::string out;
    std::string folder;
    bool seeded = false;
    unsigned seed = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--seed" || arg == "--bites") && i + 1 == args.size())
            return MissingArgument(io, "a value for " + arg);
        if (arg == "--seed") {
            if (!ParseExact(args[++i], seed))
                return BadOptionValue(io, arg, "a whole number from 0 to 4294967295", args[i]);
            seeded = true;
        } else if (arg == "--bites") {
            folder = args[++i];
        } else if (out.empty() && (arg == "-" || !arg.starts_with("-"))) {
            out = arg;
        } else {
            return UnexpectedArgument(io, arg);
        }
    }
    if (out.empty())
        return MissingArgument(io, "OUT");
    if (!seeded)
        seed = static_cast<unsigned>(std::time(nullptr));

    CRandomLevelGenerator generator;
    if (folder.empty())
        folder = GetBiteFolder();
    generator.SetBiteFolder(folder);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        PrintWarning(io, "bite folder " + folder + " does not exist; missing bites leave empty squares");

    std::srand(seed);
    generator.Generate();
    CLevel level = generator.GetLevel();
    if (const int status = SaveLevelFile(level, out, io); status != ExitOk)
        return status;
    // With the level on standard output, the seed goes with the messages.
    (out == "-" ? io.err : io.out) << "seed: " << seed << '\n';
    return ExitOk;
}
