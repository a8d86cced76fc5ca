#include "BiteFiles.h"

#include "file/Archive.h"
#include "random/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

std::string ShippedBiteFolder()
{
    const char* source = std::getenv("QV_SOURCE_DIR");
    return source ? std::string(source) + "/data/RBites/" : GetBiteFolder();
}

CBiteFolderCopy::CBiteFolderCopy(const std::string& tag)
{
    const fs::path folder = fs::temp_directory_path() / ("qv-bites-" + tag + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(ShippedBiteFolder()))
        fs::copy_file(entry.path(), folder / entry.path().filename());
    m_folder = folder.string() + "/";
}

CBiteFolderCopy::~CBiteFolderCopy()
{
    std::error_code ec;
    fs::remove_all(m_folder, ec);
}

void CBiteFolderCopy::Remove(const std::string& fileName) const
{
    fs::remove(m_folder + fileName);
}

CLevel CBiteFolderCopy::Read(const std::string& fileName) const
{
    CLevel bite;
    bite.LoadFromFile(m_folder + fileName);
    return bite;
}

void CBiteFolderCopy::Write(const std::string& fileName, CLevel& bite) const
{
    std::ofstream file(m_folder + fileName, std::ios::binary | std::ios::trunc);
    CArchive archive(file);
    bite.Store(archive);
}
