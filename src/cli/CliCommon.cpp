#include "cli/CliCommon.h"

#include "file/Archive.h"
#include "file/LevelText.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

int PrintError(CCliIo& io, const std::string& message, int status)
{
    io.err << kProgramName << ": error: " << message << '\n';
    return status;
}

void PrintWarning(CCliIo& io, const std::string& message)
{
    io.err << kProgramName << ": warning: " << message << '\n';
}

int MissingArgument(CCliIo& io, const std::string& what)
{
    return PrintError(io, "missing " + what, ExitUsage);
}

int UnexpectedArgument(CCliIo& io, const std::string& arg)
{
    return PrintError(io, "unexpected argument '" + arg + "'", ExitUsage);
}

int BadOptionValue(CCliIo& io, const std::string& option, const std::string& expected, const std::string& value)
{
    return PrintError(io, option + " needs " + expected + ", not '" + value + "'", ExitUsage);
}

std::string DisplayName(const std::string& path, bool output)
{
    if (path != "-")
        return path;
    return output ? "standard output" : "standard input";
}

int LoadLevelFile(const std::string& path, CLoadedLevel& loaded, CCliIo& io)
{
    std::ifstream file;
    if (path != "-") {
        std::error_code ec;
        if (fs::is_directory(path, ec))
            return PrintError(io, path + ": is a directory", ExitFileError);
        file.open(path, std::ios::binary);
        if (!file)
            return PrintError(io, path + ": " + std::strerror(errno), ExitFileError);
    }
    CArchive archive(path == "-" ? io.in : file);
    std::string text;
    if (!archive.ReadString(text))
        return PrintError(io, DisplayName(path, false) + ": " + archive.GetError(), ExitFileError);
    std::string_view rest = text;
    loaded.header = std::string(NextField(rest));
    std::string why;
    const bool accepted = loaded.level.ReadText(text, &why);
    loaded.level.SetModified(false);
    if (!accepted)
        return PrintError(io, DisplayName(path, false) + ": level rejected: " + why, ExitRejected);
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

int FinishOutput(CCliIo& io)
{
    return io.out.flush() ? ExitOk : PrintError(io, "standard output: write failed", ExitFileError);
}

int WriteOutput(const std::string& path, const std::string& bytes, CCliIo& io)
{
    if (path == "-") {
        io.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return FinishOutput(io);
    }
    if (const std::string error = WriteFileAtomically(path, bytes); !error.empty())
        return PrintError(io, path + ": " + error, ExitFileError);
    return ExitOk;
}

int SaveLevelFile(CLevel& level, const std::string& path, CCliIo& io)
{
    std::ostringstream bytes;
    CArchive archive(bytes);
    level.Store(archive);
    const int status = WriteOutput(path, bytes.str(), io);
    if (status != ExitOk)
        level.SetModified(true);
    return status;
}
