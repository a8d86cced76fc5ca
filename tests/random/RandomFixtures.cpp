#include "RandomFixtures.h"

#include "file/Archive.h"
#include "random/ProgramFolder.h"
#include "random/RandomLevelGenerator.h"

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
    : m_folder((fs::temp_directory_path() / ("qv-bites-" + tag + std::to_string(getpid()))).string() + "/")
{
    fs::remove_all(m_folder);
    fs::copy(ShippedBiteFolder(), m_folder);
}

CBiteFolderCopy::~CBiteFolderCopy() { fs::remove_all(m_folder); }

CLevel CBiteFolderCopy::Read(const std::string& file) const
{
    CLevel bite;
    bite.LoadFromFile(m_folder + file);
    return bite;
}

void CBiteFolderCopy::Write(const std::string& file, CLevel& bite) const
{
    std::ofstream out(m_folder + file, std::ios::binary | std::ios::trunc);
    CArchive archive(out);
    bite.Store(archive);
}

CLevel GenerateWithSeed(unsigned seed, const std::string& folder, std::vector<int>* course)
{
    CRandomLevelGenerator generator;
    generator.SetBiteFolder(folder);
    std::srand(seed);
    generator.Generate();
    if (course)
        *course = generator.GetCourse();
    return generator.GetLevel();
}
