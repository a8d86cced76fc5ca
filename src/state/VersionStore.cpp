#include "state/VersionStore.h"

#include "file/FileAccess.h"
#include "state/StateFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kTimeDigits = 20;
constexpr std::string_view kCopySuffix = ".lev";
// The file in a file's folder that holds the file's absolute path.
constexpr const char* kPathFileName = "/path";

// FNV-1a, 64 bits: spreads paths over folder names. Two paths that meet in one name are told apart
// by the path each folder records.
std::uint64_t HashOf(const std::string& bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3u;
    }
    return hash;
}

std::string CopyName(long long nanoseconds)
{
    char name[32];
    std::snprintf(name, sizeof name, "%020lld", nanoseconds);
    return name + std::string(kCopySuffix);
}

// The time a copy's name gives, or -1 for a name that is not a copy's.
long long TimeOfName(const std::string& name)
{
    if (name.size() != kTimeDigits + kCopySuffix.size() || !name.ends_with(kCopySuffix))
        return -1;
    long long nanoseconds = 0;
    for (std::size_t i = 0; i < kTimeDigits; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return -1;
        nanoseconds = nanoseconds * 10 + (name[i] - '0');
    }
    return nanoseconds;
}

// The copies in one file's folder, newest first.
std::vector<CKeptVersion> CopiesIn(const std::string& folder)
{
    std::vector<CKeptVersion> copies;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const long long nanoseconds = TimeOfName(entry.path().filename().string());
        std::error_code sizeError;
        const std::uintmax_t size = entry.file_size(sizeError);
        if (nanoseconds >= 0 && !sizeError)
            copies.push_back({entry.path().string(),
                              std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
                                  std::chrono::nanoseconds(nanoseconds))),
                              size});
    }
    std::sort(copies.begin(), copies.end(), [](const CKeptVersion& a, const CKeptVersion& b) { return a.time > b.time; });
    return copies;
}

long long NanosecondsOf(std::chrono::system_clock::time_point time)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
}

} // namespace

CVersionStore::CVersionStore(std::string folder, int maxPerFile, std::uintmax_t maxTotalBytes)
    : m_folder(std::move(folder)), m_maxPerFile(maxPerFile), m_maxTotalBytes(maxTotalBytes)
{
}

std::string CVersionStore::DefaultFolder()
{
    const std::string state = StateFolderPath();
    return state.empty() ? std::string() : state + "/versions";
}

std::string CVersionStore::AbsolutePath(const std::string& path)
{
    std::string full = path;
    if (!path.starts_with('/')) {
        std::string folder(4096, '\0');
        while (!getcwd(folder.data(), folder.size())) {
            if (errno != ERANGE)
                return path;
            folder.resize(folder.size() * 2);
        }
        full = folder.c_str() + ("/" + path);
    }
    std::string normal = fs::path(full).lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

std::string CVersionStore::FileFolder(const std::string& absolute, bool create, std::string* reason) const
{
    // No home folder, so no state folder either.
    if (m_folder.empty()) {
        if (reason)
            *reason = std::strerror(ENOENT);
        return {};
    }
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(HashOf(absolute)));
    const std::string base = m_folder + "/" + hash;
    for (int n = 0;; ++n) {
        const std::string folder = n == 0 ? base : base + "-" + std::to_string(n);
        std::string recorded;
        std::string ignored;
        if (ReadRegularFile(folder + kPathFileName, recorded, ignored)) {
            if (recorded == absolute)
                return folder;
            continue; // another path with the same hash
        }
        // A folder that records no path is free: new, or left by a store that stopped before it
        // recorded its path.
        if (!create)
            return {};
        if (!MakeFolders(folder, *reason) || !WriteFileAtomically(folder + kPathFileName, absolute, *reason))
            return {};
        return folder;
    }
}

bool CVersionStore::Keep(const std::string& path, std::string& reason)
{
    const std::string absolute = AbsolutePath(path);
    struct stat info {};
    if (stat(absolute.c_str(), &info) != 0 && errno == ENOENT)
        return true;
    std::string bytes;
    if (!ReadRegularFile(absolute, bytes, reason))
        return false;
    const std::string folder = FileFolder(absolute, true, &reason);
    if (folder.empty())
        return false;
    const std::vector<CKeptVersion> copies = CopiesIn(folder);
    long long now = NanosecondsOf(std::chrono::system_clock::now());
    if (!copies.empty()) {
        std::string newest;
        std::string ignored;
        if (ReadRegularFile(copies.front().path, newest, ignored) && newest == bytes)
            return true;
        // A clock set back must not put the new copy behind the ones kept before it.
        now = std::max(now, NanosecondsOf(copies.front().time) + 1);
    }
    const std::string copy = folder + "/" + CopyName(now);
    if (!WriteFileAtomically(copy, bytes, reason))
        return false;
    DropOldest(folder, copy);
    return true;
}

void CVersionStore::DropOldest(const std::string& fileFolder, const std::string& kept) const
{
    std::error_code error;
    const std::vector<CKeptVersion> own = CopiesIn(fileFolder);
    for (std::size_t i = static_cast<std::size_t>(std::max(m_maxPerFile, 1)); i < own.size(); ++i)
        fs::remove(own[i].path, error);

    std::vector<CKeptVersion> all;
    std::uintmax_t total = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, error)) {
        for (CKeptVersion& copy : CopiesIn(entry.path().string())) {
            total += copy.size;
            all.push_back(std::move(copy));
        }
    }
    std::sort(all.begin(), all.end(), [](const CKeptVersion& a, const CKeptVersion& b) { return a.time < b.time; });
    for (const CKeptVersion& copy : all) {
        if (total <= m_maxTotalBytes)
            break;
        if (copy.path != kept && fs::remove(copy.path, error))
            total -= copy.size;
    }
}

std::vector<CKeptVersion> CVersionStore::List(const std::string& path) const
{
    const std::string folder = FileFolder(AbsolutePath(path), false, nullptr);
    return folder.empty() ? std::vector<CKeptVersion>() : CopiesIn(folder);
}
