#include "state/StateFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home == '/')
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir && *entry->pw_dir == '/' ? entry->pw_dir : "";
}

} // namespace

std::string StateFolderPath()
{
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        return std::string(state) + "/quorvale-editor";
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.local/state/quorvale-editor";
}

bool MakeFolders(const std::string& path, std::string& reason)
{
    // No home folder, so no state folder either.
    if (path.empty()) {
        reason = std::strerror(ENOENT);
        return false;
    }
    // Each folder on the way down, from the first below the root; one that exists already is left
    // as it is.
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string folder = path.substr(0, end);
        if (!folder.empty() && mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            reason = std::strerror(errno);
            return false;
        }
        if (end == std::string::npos)
            break;
    }
    struct stat info {};
    const int error = stat(path.c_str(), &info) != 0 ? errno : S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    if (error != 0)
        reason = std::strerror(error);
    return error == 0;
}
