#include "cli/Commands.h"

#include "random/ProgramFolder.h"
#include "random/RandomLevelGenerator.h"

#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>

namespace {

bool ParseSeed(const std::string& text, unsigned& seed)
{
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, seed);
    return error == std::errc() && last == end && !text.empty();
}

} // namespace

int RunRandom(const CliArgs& args)
{
    std::string out;
    std::string folder;
    bool seeded = false;
    unsigned seed = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--seed" || arg == "--bites") && i + 1 == args.size())
            return ExitUsage;
        if (arg == "--seed") {
            if (!ParseSeed(args[++i], seed)) {
                std::cerr << "error: --seed needs a whole number from 0 to 4294967295, not " << args[i] << '\n';
                return ExitUsage;
            }
            seeded = true;
        } else if (arg == "--bites") {
            folder = args[++i];
        } else if (out.empty() && !arg.starts_with("--")) {
            out = arg;
        } else {
            return ExitUsage;
        }
    }
    if (out.empty())
        return ExitUsage;
    if (!seeded)
        seed = static_cast<unsigned>(std::time(nullptr));

    CRandomLevelGenerator generator;
    if (folder.empty())
        folder = GetBiteFolder();
    generator.SetBiteFolder(folder);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        std::cerr << "warning: bite folder " << folder << " does not exist; missing bites leave empty squares\n";

    std::srand(seed);
    generator.Generate();
    CLevel level = generator.GetLevel();
    if (const int status = SaveLevelFile(level, out); status != ExitOk)
        return status;
    std::cout << "seed: " << seed << '\n';
    return ExitOk;
}
