#include "random/ProgramFolder.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string GetProgramFolder()
{
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec || !program.has_parent_path())
        return {};
    std::string folder = program.parent_path().string();
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

std::string GetBiteFolder()
{
    const std::string program = GetProgramFolder();
    const std::string beside = program + "RBites/";
    std::error_code ec;
    if (program.empty() || fs::is_directory(beside, ec))
        return beside;
    // Installed, the data folder lies where the install put it relative to the program's folder.
    const std::string installed = (fs::path(program) / QV_DATA_FROM_BINDIR / "RBites/").lexically_normal().string();
    return fs::is_directory(installed, ec) ? installed : beside;
}
