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
    const std::string installed = program + "../share/quorvale-editor/RBites/";
    return fs::is_directory(installed, ec) ? installed : beside;
}
