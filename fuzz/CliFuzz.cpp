// quorvale-level run in-process on arguments from the input, one a line, in a folder of its own
// that every run starts afresh with the same files: a level, an empty file, a file that is no
// level, and what no level can be read from or saved to: a directory, a FIFO without a writer, a
// link to /dev/zero, a file larger than reading accepts and a link to itself. Every command, option and operation parses whatever it is given: the
// exit status is one of the documented four, a failure says why on the error stream, a saved
// level reads back, and the folder holds nothing afterwards but its files and those the
// arguments name (no temporary file left behind).
#include "FuzzCheck.h"
#include "HostileFile.h"
#include "TempFolder.h"
#include "cli/QuorvaleLevel.h"
#include "model/Level.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A 5 x 4 level with walls, ice, sand, water and the cup, and no slope, so that every shot ends
// soon; standard input holds it too.
constexpr std::string_view kLevel = "{Quorvale1}\r\n{1}\r\n{Fixture}{fuzz}\r\n{5}{4}\r\n{1.500000}{1.500000}\r\n"
                                    "{S0T8}{S0T8}{S0T8}{S0T8}{S0T8}{S0T8}{$}{S0I8}{C0H8G8}{S0T8}"
                                    "{S0T8}{T1G8W8}{$}{S0S8}{S0T8}{S0T8}{S0T8}{S0T8}{S0T8}{S0T8}";
const std::set<std::string> kFixtures = {"a.lev", "empty.lev", "text.lev", "d", "fifo", "zero", "big.lev", "loop"};

// Values that are legal but make a single run take seconds or more: a PNG at 200 pixels a cell,
// a level of 1000 x 1000, a search over 720 headings or six shots deep, hundreds of threads, a
// million steps, or random --playable, which tries seed after seed until one is solved. Inputs
// asking for more than these are left out; values that do not parse still reach the commands.
struct CBound {
    const char* option;
    double largest;
};
constexpr CBound kBounds[] = {{"--cell", 16},    {"--headings", 4},     {"--max-shots", 1},
                              {"--jobs", 2},     {"--max-steps", 5000}, {"--playable", 0}};
constexpr double kLargestSide = 40;
// The search commands must bound themselves: their defaults are too large.
constexpr const char* kNeeded[][3] = {{"solve", "--headings", "--max-shots"}, {"shotmap", "--headings", "--headings"}};

std::string LevelFile()
{
    std::string bytes(1, static_cast<char>(kLevel.size()));
    return bytes.append(kLevel);
}

void ResetFolder(const fs::path& folder)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        fs::remove_all(entry.path());
    std::ofstream(folder / "a.lev", std::ios::binary) << LevelFile();
    std::ofstream(folder / "empty.lev", std::ios::binary);
    std::ofstream(folder / "text.lev", std::ios::binary) << "not a level";
    MakeHostileFile(folder / "d", HostileFile::Directory);
    MakeHostileFile(folder / "fifo", HostileFile::Fifo);
    MakeHostileFile(folder / "zero", HostileFile::DeviceLink);
    MakeHostileFile(folder / "big.lev", HostileFile::Oversized);
    MakeHostileFile(folder / "loop", HostileFile::LinkLoop);
}

bool ParsesAbove(const std::string& text, double limit)
{
    double value = 0;
    const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && value > limit;
}

// Arguments as a command line holds them (no NUL inside one), every path inside the folder (no
// separator, no ".."), and no effort out of bounds.
bool IsAllowed(const std::vector<std::string>& args)
{
    const auto has = [&](const char* arg) { return std::find(args.begin(), args.end(), arg) != args.end(); };
    for (const auto& needed : kNeeded)
        if (!args.empty() && args[0] == needed[0] && (!has(needed[1]) || !has(needed[2])))
            return false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].find_first_of(std::string_view("/\0", 2)) != std::string::npos || args[i] == "..")
            return false;
        const bool hasValue = i + 1 < args.size();
        for (const CBound& bound : kBounds)
            if (args[i] == bound.option && hasValue && ParsesAbove(args[i + 1], bound.largest))
                return false;
        if (args[i] == "resize" && i + 2 < args.size() &&
            (ParsesAbove(args[i + 1], kLargestSide) || ParsesAbove(args[i + 2], kLargestSide)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CTempFolder folder;
    // The command runs in the folder; the fuzzer's own paths may be relative to where it started.
    static const int started = open(".", O_RDONLY | O_DIRECTORY);

    std::vector<std::string> args;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        args.emplace_back(input.substr(0, end));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    if (!IsAllowed(args))
        return -1; // not kept in the corpus

    ResetFolder(folder.Path());
    std::istringstream in(LevelFile());
    std::ostringstream out;
    std::ostringstream err;
    FuzzCheck(chdir(folder.Path().c_str()) == 0, "the command runs in the fuzzer's folder");
    const int status = RunQuorvaleLevel(args, in, out, err);
    FuzzCheck(status == 0 || status == 1 || status == 2 || status == 64, "the exit status is a documented one");
    if (status != 0)
        FuzzCheck(!err.str().empty(), "a failure says why");

    FuzzCheck(fchdir(started) == 0, "the fuzzer returns to where it started");
    const std::set<std::string> named(args.begin(), args.end());
    // A command's --help anywhere among its arguments prints the help and does nothing else.
    const bool help = named.count("--help") || named.count("-h");
    const bool saved = status == 0 && !help && !args.empty() && (args[0] == "save" || args[0] == "random");
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path())) {
        const std::string name = entry.path().filename().string();
        if (kFixtures.count(name))
            continue;
        FuzzCheck(named.count(name), "nothing is left in the folder but what was named");
        if (saved) {
            CLevel level;
            FuzzCheck(level.LoadFromFile(entry.path().string()), "a saved level reads back");
        }
    }
    return 0;
}
