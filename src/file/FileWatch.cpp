#include "file/FileWatch.h"

#include "file/FileAccess.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>

#include <unistd.h>
#ifdef __linux__
#include <sys/inotify.h>
#endif

namespace {

// The folder (".", or "/" for a name in the root) and the name of the entry at path.
std::pair<std::string, std::string> SplitPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

} // namespace

CFileWatch::CFileWatch()
{
#ifdef __linux__
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
#endif
}

CFileWatch::~CFileWatch()
{
    if (m_fd >= 0)
        close(m_fd);
}

void CFileWatch::Watch(const std::string& path)
{
#ifdef __linux__
    for (const auto& [wd, name] : m_watches)
        inotify_rm_watch(m_fd, wd);
#endif
    m_watches.clear();
    m_path = path;
    m_known = ReadContent();
    if (path.empty())
        return;
    const auto [folder, name] = SplitPath(path);
    AddWatch(folder, name);
    // A symbolic link's file is written where the link ends, maybe in another folder.
    if (char* real = realpath(path.c_str(), nullptr)) {
        const auto [realFolder, realName] = SplitPath(real);
        std::free(real);
        if (realFolder != folder || realName != name)
            AddWatch(realFolder, realName);
    }
}

void CFileWatch::AddWatch(const std::string& folder, const std::string& name)
{
#ifdef __linux__
    // Writes in place, and the entries that come and go: the renames of atomic saves, a file
    // deleted and made again. The events of the folder itself say that the watch has ended.
    constexpr std::uint32_t kEvents = IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM |
                                      IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
    if (m_fd < 0)
        return;
    if (const int wd = inotify_add_watch(m_fd, folder.c_str(), kEvents); wd >= 0)
        m_watches.emplace_back(wd, name);
#else
    (void)folder;
    (void)name;
#endif
}

void CFileWatch::Remember()
{
    m_known = ReadContent();
}

bool CFileWatch::ReadEvents()
{
    bool concerns = false;
#ifdef __linux__
    if (m_fd < 0)
        return false;
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t length = read(m_fd, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length <= 0)
            break;
        for (const char* at = buffer; at < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            at += sizeof(inotify_event) + event->len;
            // Events were lost, or a folder's own event (len 0): anything may have happened.
            if (event->mask & IN_Q_OVERFLOW)
                concerns = true;
            for (const auto& [wd, name] : m_watches)
                if (event->wd == wd && (event->len == 0 || name == event->name))
                    concerns = true;
        }
    }
#endif
    return concerns;
}

std::optional<std::size_t> CFileWatch::ReadContent() const
{
    std::string bytes;
    std::string reason;
    if (m_path.empty() || !ReadRegularFile(m_path, bytes, reason))
        return std::nullopt;
    return std::hash<std::string>{}(bytes);
}

bool CFileWatch::HasChanged() const
{
    return !m_path.empty() && ReadContent() != m_known;
}
