#include "cli/CliCommon.h"

#include "file/Archive.h"
#include "file/LevelText.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

int PrintError(const std::string& message, int status)
{
    std::cerr << "error: " << message << '\n';
    return status;
}

int LoadLevelFile(const std::string& path, CLoadedLevel& loaded)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return PrintError(path + ": is a directory", ExitFileError);
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return PrintError(path + ": " + std::strerror(errno), ExitFileError);
    CArchive archive(file);
    std::string text;
    if (!archive.ReadString(text))
        return PrintError(path + ": " + archive.GetError(), ExitFileError);
    std::string_view rest = text;
    loaded.header = std::string(NextField(rest));
    std::string why;
    const bool accepted = loaded.level.ReadText(text, &why);
    loaded.level.SetModified(false);
    if (!accepted)
        return PrintError(path + ": level rejected: " + why, ExitRejected);
    return ExitOk;
}

std::string WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    const fs::path target(path);
    std::error_code ec;
    if (fs::is_directory(target, ec))
        return "is a directory";
    // A file the user may not write stays as it is, although replacing it needs only the folder.
    if (access(path.c_str(), F_OK) == 0 && access(path.c_str(), W_OK) != 0)
        return std::strerror(errno);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return std::strerror(errno);
    auto fail = [&](int error) {
        close(fd);
        unlink(temp.c_str());
        return std::string(std::strerror(error));
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    // New files get the usual permissions (mkstemp makes them private); an existing file keeps its own.
    struct stat info {};
    const mode_t umaskNow = umask(0);
    umask(umaskNow);
    const mode_t mode = stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : (0666 & ~umaskNow);
    if (fchmod(fd, mode) != 0 || fsync(fd) != 0)
        return fail(errno);
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        return std::strerror(error);
    }
    if (rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        return std::strerror(error);
    }
    return {};
}

int SaveLevelFile(CLevel& level, const std::string& path)
{
    std::ostringstream bytes;
    CArchive archive(bytes);
    level.Store(archive);
    const std::string error = WriteFileAtomically(path, bytes.str());
    if (!error.empty()) {
        level.SetModified(true);
        return PrintError(path + ": " + error, ExitFileError);
    }
    return ExitOk;
}
