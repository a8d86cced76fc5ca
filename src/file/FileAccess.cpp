#include "file/FileAccess.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <istream>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links followed before a chain counts as a loop, as the kernel counts them.
constexpr int kMaxLinks = 40;
// Room left in a file name for the temporary name's dot and suffix.
constexpr std::size_t kMaxTempStem = 200;

bool Fail(std::string& reason, const char* text)
{
    reason = text;
    return false;
}

bool FailErrno(std::string& reason, int error)
{
    return Fail(reason, std::strerror(error));
}

// The reason a file of this type cannot be read or replaced.
const char* ReasonForType(mode_t mode)
{
    return S_ISDIR(mode) ? std::strerror(EISDIR) : kReasonNotRegular;
}

// The folder part of path with its trailing '/', or "" for a name in the current folder.
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Whether the kernel's protected-symlinks rule lets the caller follow a link of this owner in
// the folder of path: anywhere but in a sticky folder that everyone may write, only a link of
// the caller's own or of the folder's owner.
bool MayFollowLink(const std::string& path, uid_t owner)
{
    const std::string folder = FolderOf(path);
    struct stat info {};
    if (stat(folder.empty() ? "." : folder.c_str(), &info) != 0)
        return false;
    const bool shared = (info.st_mode & S_ISVTX) && (info.st_mode & S_IWOTH);
    return !shared || owner == info.st_uid || owner == geteuid();
}

// The name a save replaces: path itself or, when path is a symbolic link, the name the chain of
// links ends at, which need not exist yet (a save through a dangling link creates it).
bool FinalName(std::string path, std::string& name, std::string& reason)
{
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            name = std::move(path);
            return true;
        }
        if (!MayFollowLink(path, info.st_uid))
            return Fail(reason, kReasonForeignLink);
        std::string link(static_cast<std::size_t>(info.st_size) + 256, '\0');
        const ssize_t length = readlink(path.c_str(), link.data(), link.size());
        if (length < 0)
            return FailErrno(reason, errno);
        if (static_cast<std::size_t>(length) == link.size())
            return FailErrno(reason, ENAMETOOLONG);
        link.resize(static_cast<std::size_t>(length));
        path = link.starts_with('/') ? link : FolderOf(path) + link;
    }
    return FailErrno(reason, ELOOP);
}

// Creates a new, empty file beside name with a name of its own; -1 (errno set) when it cannot.
// An existing file's bytes must not be readable by others before its permissions are copied, so
// such a file starts private; a new one starts with what the umask allows.
int CreateTempFile(const std::string& name, bool replacing, std::string& temp)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    const std::string stem = name.substr(FolderOf(name).size()).substr(0, kMaxTempStem);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = FolderOf(name) + "." + stem + ".";
        for (int i = 0; i < 6; ++i)
            temp += kLetters[pick(random)];
        const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO; // no progress: never a success
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Gives the new file the old one's owner, group and permission bits, as far as the caller may:
// only root may give a file away, and only a member of a group may give it that group; what the
// caller may not give stays the caller's, as on any new file. The owner comes first, because
// changing it clears the set-user-id and set-group-id bits.
bool CopyOwnerAndMode(int fd, const struct stat& old)
{
    if (fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0)
        errno = 0; // not allowed: no failure of the save
    return fchmod(fd, old.st_mode & 07777) == 0;
}

// Flushes the folder's entry of a renamed file to the disk; a folder that cannot be opened or
// synced still holds the complete file, so this cannot fail the save.
void SyncFolder(const std::string& name)
{
    const std::string folder = FolderOf(name);
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

bool ReadRegularFile(const std::string& path, std::string& bytes, std::string& reason, std::size_t limit)
{
    // The type is checked before opening, so that a device is never opened at all, and again on
    // the open file, in case the name was swapped in between. O_NONBLOCK keeps the open of a FIFO
    // from waiting for a writer; it changes nothing for a regular file.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return FailErrno(reason, errno);
    if (!S_ISREG(info.st_mode))
        return Fail(reason, ReasonForType(info.st_mode));
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return FailErrno(reason, errno);
    auto fail = [&](const char* text) {
        close(fd);
        return Fail(reason, text);
    };
    if (fstat(fd, &info) != 0)
        return fail(std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return fail(ReasonForType(info.st_mode));
    if (static_cast<std::uintmax_t>(info.st_size) > limit)
        return fail(kReasonTooLarge);
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    // The file may grow while it is read: the limit holds for what is read, not what was stat'ed.
    std::array<char, 65536> chunk;
    for (;;) {
        const ssize_t n = read(fd, chunk.data(), chunk.size());
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(std::strerror(errno));
        }
        if (bytes.size() + static_cast<std::size_t>(n) > limit)
            return fail(kReasonTooLarge);
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    }
    if (close(fd) != 0)
        return FailErrno(reason, errno);
    return true;
}

bool ReadStream(std::istream& in, std::string& bytes, std::string& reason, std::size_t limit)
{
    bytes.clear();
    std::array<char, 65536> chunk;
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        const auto n = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + n > limit)
            return Fail(reason, kReasonTooLarge);
        bytes.append(chunk.data(), n);
    }
    if (in.bad())
        return Fail(reason, "the file could not be read");
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& reason)
{
    std::string name;
    if (!FinalName(path, name, reason))
        return false;
    struct stat old {};
    const bool replacing = stat(name.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return FailErrno(reason, errno);
    if (replacing && !S_ISREG(old.st_mode))
        return Fail(reason, ReasonForType(old.st_mode));
    // A file the user may not write stays as it is, although replacing it needs only the folder.
    if (replacing && faccessat(AT_FDCWD, name.c_str(), W_OK, AT_EACCESS) != 0)
        return FailErrno(reason, errno);

    std::string temp;
    const int fd = CreateTempFile(name, replacing, temp);
    if (fd < 0)
        return FailErrno(reason, errno);
    const bool written = WriteAll(fd, bytes) && (!replacing || CopyOwnerAndMode(fd, old)) && fsync(fd) == 0;
    const int writeError = errno;
    // A failed close can be the first report of a failed write, so it fails the save too.
    const bool closed = close(fd) == 0;
    const int closeError = errno;
    if (written && closed && rename(temp.c_str(), name.c_str()) == 0) {
        SyncFolder(name);
        return true;
    }
    const int error = !written ? writeError : !closed ? closeError : errno;
    unlink(temp.c_str());
    return FailErrno(reason, error);
}
