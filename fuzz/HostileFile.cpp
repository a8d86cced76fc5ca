#include "HostileFile.h"

#include "FuzzCheck.h"
#include "file/FileAccess.h"

#include <sys/stat.h>

#include <fstream>

namespace fs = std::filesystem;

void MakeHostileFile(const fs::path& path, HostileFile kind)
{
    std::error_code ec;
    switch (kind) {
    case HostileFile::Directory:
        fs::create_directory(path, ec);
        break;
    case HostileFile::Fifo:
        if (mkfifo(path.c_str(), 0600) != 0)
            ec = std::error_code(errno, std::generic_category());
        break;
    case HostileFile::DeviceLink:
        fs::create_symlink("/dev/zero", path, ec);
        break;
    case HostileFile::Oversized:
        std::ofstream(path, std::ios::binary).close();
        fs::resize_file(path, kMaxReadBytes + 1, ec);
        break;
    case HostileFile::LinkLoop:
        fs::create_symlink(path.filename(), path, ec);
        break;
    }
    FuzzCheck(!ec, "the fuzzer can make its hostile files");
}
