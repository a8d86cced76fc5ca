#include "state/RecoveryStore.h"

#include "file/FileAccess.h"
#include "state/StateFolder.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <set>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A copy's first line, then the level's file name and a NUL (no file name holds one), then the text.
constexpr std::string_view kHeader = "Quorvale recovery 1\n";
constexpr const char* kCopySuffix = ".recovery";
constexpr const char* kLockSuffix = ".lock";

// The lock at path, taken without waiting: its descriptor, or -1 when another process holds it
// (or it cannot be opened).
int TakeLock(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool ParseCopy(const std::string& bytes, CRecoveryCopy& copy)
{
    if (!bytes.starts_with(kHeader))
        return false;
    const std::size_t end = bytes.find('\0', kHeader.size());
    if (end == std::string::npos)
        return false;
    copy.documentPath = bytes.substr(kHeader.size(), end - kHeader.size());
    copy.levelText = bytes.substr(end + 1);
    return true;
}

} // namespace

CRecoveryStore::CRecoveryStore(std::string folder)
    : m_folder(std::move(folder)),
      m_id(std::to_string(getpid()) + "-" +
           std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count()))
{
}

CRecoveryStore::~CRecoveryStore()
{
    if (m_lock >= 0) {
        // The lock's file goes while it is still held, so that no other editor takes it for a gone one's.
        unlink(PathOf(m_id, kCopySuffix).c_str());
        unlink(PathOf(m_id, kLockSuffix).c_str());
        close(m_lock);
    }
    for (const auto& [id, fd] : m_claimed)
        close(fd);
}

std::string CRecoveryStore::DefaultFolder()
{
    const std::string state = StateFolderPath();
    return state.empty() ? std::string() : state + "/recovery";
}

std::string CRecoveryStore::PathOf(const std::string& id, const char* suffix) const
{
    return m_folder + "/" + id + suffix;
}

bool CRecoveryStore::LockOwn(std::string& reason)
{
    if (m_lock >= 0)
        return true;
    if (!MakeFolders(m_folder, reason))
        return false;
    m_lock = TakeLock(PathOf(m_id, kLockSuffix));
    if (m_lock < 0)
        reason = std::strerror(errno);
    return m_lock >= 0;
}

bool CRecoveryStore::Write(const std::string& documentPath, const std::string& levelText, std::string& reason)
{
    if (!LockOwn(reason))
        return false;
    std::string bytes(kHeader);
    bytes += documentPath;
    bytes += '\0';
    bytes += levelText;
    return WriteFileAtomically(PathOf(m_id, kCopySuffix), bytes, reason);
}

void CRecoveryStore::Remove()
{
    if (m_lock >= 0)
        unlink(PathOf(m_id, kCopySuffix).c_str());
}

std::vector<CRecoveryCopy> CRecoveryStore::FindAbandoned()
{
    std::set<std::string> ids;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        const std::string name = entry.path().filename().string();
        for (const char* suffix : {kCopySuffix, kLockSuffix})
            if (name.ends_with(suffix))
                ids.insert(name.substr(0, name.size() - std::strlen(suffix)));
    }
    std::vector<CRecoveryCopy> found;
    for (const std::string& id : ids) {
        const bool claimed = std::any_of(m_claimed.begin(), m_claimed.end(), [&](const auto& c) { return c.first == id; });
        if (id == m_id || claimed)
            continue;
        const int lock = TakeLock(PathOf(id, kLockSuffix));
        if (lock < 0)
            continue; // its editor is running
        CRecoveryCopy copy;
        copy.id = id;
        std::string bytes;
        std::string reason;
        struct stat info {};
        if (ReadRegularFile(PathOf(id, kCopySuffix), bytes, reason) && ParseCopy(bytes, copy) &&
            stat(PathOf(id, kCopySuffix).c_str(), &info) == 0) {
            copy.time = info.st_mtime;
            m_claimed.emplace_back(id, lock);
            found.push_back(std::move(copy));
            continue;
        }
        // Nothing to recover: a lock left without a copy (or beside one that is not a copy).
        unlink(PathOf(id, kCopySuffix).c_str());
        unlink(PathOf(id, kLockSuffix).c_str());
        close(lock);
    }
    std::sort(found.begin(), found.end(), [](const CRecoveryCopy& a, const CRecoveryCopy& b) { return a.time > b.time; });
    return found;
}

void CRecoveryStore::Forget(const CRecoveryCopy& copy)
{
    const auto it = std::find_if(m_claimed.begin(), m_claimed.end(), [&](const auto& c) { return c.first == copy.id; });
    if (it == m_claimed.end())
        return;
    unlink(PathOf(copy.id, kCopySuffix).c_str());
    unlink(PathOf(copy.id, kLockSuffix).c_str());
    close(it->second);
    m_claimed.erase(it);
}
