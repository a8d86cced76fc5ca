#include "file/ProgramFiles.h"

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

std::vector<std::string> GetProgramFileFolders(const std::string& installedFolder)
{
    const std::string program = GetProgramFolder();
    std::vector<std::string> folders{program};
    // Without the program's folder, nothing can be found from it either.
    if (!program.empty()) {
        std::string installed = (fs::path(program) / installedFolder).lexically_normal().string();
        if (installed.back() != '/')
            installed += '/';
        folders.push_back(installed);
    }
    return folders;
}

std::string FindInstalledFile(const std::string& relativePath)
{
    return FindInstalledFile(relativePath, QV_DATA_FROM_BINDIR);
}

std::string FindInstalledFile(const std::string& relativePath, const std::string& installedFolder)
{
    const std::vector<std::string> folders = GetProgramFileFolders(installedFolder);
    for (const std::string& folder : folders) {
        std::error_code ec;
        if (fs::exists(folder + relativePath, ec))
            return folder + relativePath;
    }
    return folders.front() + relativePath;
}
