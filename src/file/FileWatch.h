#pragma once
#include <optional>
#include <string>
#include <vector>

// Watches one file for changes made on disk by others (another program, another editor, a
// version-control checkout) while it is open. What the file holds is compared with what it held
// when the editor last read or wrote it, byte for byte (through a hash), so a change of its time
// or permissions alone, or the same bytes written again, is no change.
//
// Events come from the kernel (inotify) for the file's folder, and for the folder of the file that
// a symbolic link at the path ends at, so the watch goes on when the file is replaced by a rename,
// as every atomic save replaces it; a file that is deleted and made again is still seen. Without
// events (another system, or no inotify instance left) HasChanged still answers when asked.
// Paths are bytes; a name that is not UTF-8 is watched like any other.
class CFileWatch {
public:
    CFileWatch();
    ~CFileWatch();
    CFileWatch(const CFileWatch&) = delete;
    CFileWatch& operator=(const CFileWatch&) = delete;

    // Watches the file at path (empty: none), taking what it holds now as the known content.
    void Watch(const std::string& path);
    const std::string& GetPath() const { return m_path; }
    // Takes what the file holds now as the known content: the editor has just read or written it.
    void Remember();

    // A descriptor that becomes readable when events wait, or -1 when there are no events.
    int GetDescriptor() const { return m_fd; }
    // Reads the events that wait without blocking; true when one of them may concern the file.
    bool ReadEvents();

    // The file now holds something other than the known content: other bytes, nothing (gone or
    // unreadable) where it held something, or something where it held nothing.
    bool HasChanged() const;
    // An identity of what the file holds now (empty when it cannot be read), to tell one change
    // from the next.
    std::optional<std::size_t> ReadContent() const;

private:
    void AddWatch(const std::string& folder, const std::string& name);

    int m_fd = -1;
    std::string m_path;
    std::optional<std::size_t> m_known;
    // The watches: descriptor, and the name in that folder that concerns the file.
    std::vector<std::pair<int, std::string>> m_watches;
};
