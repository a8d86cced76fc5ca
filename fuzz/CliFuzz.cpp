// quorvale-level run in-process on arguments from the input, one a line, in a folder of its own
// that every run starts afresh with the same files: a level, an empty file, a file that is no
// level, and a directory. Every command, option and operation parses whatever it is given: the
// exit status is one of the documented four, a failure says why on the error stream, a saved
// level reads back, and the folder holds nothing afterwards but its files and those the
// arguments name (no temporary file left behind).
#include "FuzzCheck.h"
#include "TempFolder.h"
#include "cli/QuorvaleLevel.h"
#include "model/Level.h"

#include <fcntl.h>
#include <unistd.h>

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

// A 5 x 4 level with walls, ice, a slope and the cup; standard input holds it too.
constexpr std::string_view kLevel = "{Quorvale1}\r\n{1}\r\n{Fixture}{fuzz}\r\n{5}{4}\r\n{1.500000}{1.500000}\r\n"
                                    "{S0T8}{S0T8}{S0T8}{S0T8}{S0T8}{S0T8}{$}{S0I8}{C0H8G8}{S0T8}"
                                    "{S0T8}{T1G2W8}{$}{S0S8}{S0T8}{S0T8}{S0T8}{S0T8}{S0T8}{S0T8}";
const std::set<std::string> kFixtures = {"a.lev", "empty.lev", "text.lev", "d"};

// Sizes that are legal but make a single run take seconds (a PNG of a level at 200 pixels a
// cell, a level of 1000 x 1000): inputs asking for more are left out.
constexpr int kLargestCell = 16;
constexpr int kLargestSide = 40;
// The solver plays thousands of shots a search at its defaults: 'solve' and 'shotmap' run only
// with a few headings and 'solve' with few shots; random's search of a playable seed, a 50 x 50
// level to solve for every seed it tries, not at all.
constexpr int kMostHeadings = 8;
constexpr int kMostShots = 2;

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
    fs::create_directory(folder / "d");
}

bool ParsesAbove(const std::string& text, int limit)
{
    int value = 0;
    const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc::result_out_of_range || (error == std::errc() && value > limit);
}

// The option is given with a value, and every value it is given is at most limit.
bool HasAtMost(const std::vector<std::string>& args, const std::string& option, int limit)
{
    bool given = false;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == option) {
            given = true;
            if (ParsesAbove(args[i + 1], limit))
                return false;
        }
    }
    return given;
}

// Every path stays inside the folder (no separator, no ".."), and no size or search is out of
// bounds.
bool IsAllowed(const std::vector<std::string>& args)
{
    const bool solve = !args.empty() && args[0] == "solve";
    if ((solve || (!args.empty() && args[0] == "shotmap")) &&
        (!HasAtMost(args, "--headings", kMostHeadings) || (solve && !HasAtMost(args, "--max-shots", kMostShots))))
        return false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--playable" || args[i].find('/') != std::string::npos || args[i] == "..")
            return false;
        const bool cell = args[i] == "--cell" && i + 1 < args.size() && ParsesAbove(args[i + 1], kLargestCell);
        const bool side = args[i] == "resize" && i + 2 < args.size() &&
                          (ParsesAbove(args[i + 1], kLargestSide) || ParsesAbove(args[i + 2], kLargestSide));
        if (cell || side)
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
