#include "TempFolder.h"

#include "FuzzCheck.h"

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

CTempFolder::CTempFolder()
{
    std::error_code ec;
    const fs::path parent = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (parent / "quorvale-fuzz-XXXXXX").string();
    FuzzCheck(mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
    m_path = pattern;
}

CTempFolder::~CTempFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}
