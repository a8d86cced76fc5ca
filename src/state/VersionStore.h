#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// One kept copy of a file's earlier content.
struct CKeptVersion {
    // The copy itself, a level file like the one it was kept from.
    std::string path;
    // When the copy was kept: the moment before the save that replaced that content.
    std::chrono::system_clock::time_point time;
    std::uintmax_t size = 0;
};

// The earlier versions of the files the editor saves. Before a save replaces a file, the file's
// content is kept here, so that a save never loses what the file held. Each file has a folder of
// its own, named by a hash of the file's absolute path and holding that path in full (the file
// "path"), so that paths of any length and of any bytes, also paths that differ only in bytes that
// are not UTF-8, never share a folder. A copy's name is the time it was kept, in nanoseconds since
// 1970, 20 digits and ".lev". A file keeps its newest copies up to a number, and all files together
// up to a total size; beyond either, the oldest copies go first. Copies are written with
// WriteFileAtomically (FileAccess.h): a copy is complete or absent.
//
// A path is taken as given, made absolute against the current folder and cleaned of "." and ".."
// by its text; symbolic links are not followed, so a file opened under two names has two histories.
class CVersionStore {
public:
    static constexpr int kMaxPerFile = 20;
    static constexpr std::uintmax_t kMaxTotalBytes = 50'000'000;

    // The store in folder: by default "versions" in the state folder (StateFolder.h).
    explicit CVersionStore(std::string folder = DefaultFolder(), int maxPerFile = kMaxPerFile,
                           std::uintmax_t maxTotalBytes = kMaxTotalBytes);
    static std::string DefaultFolder();
    const std::string& GetFolder() const { return m_folder; }

    // Keeps what the file at path holds now as its newest version, unless the newest version kept
    // holds the same bytes, then drops the oldest copies beyond the limits (never the copy just
    // kept). True when the content is kept, or there is nothing to keep because no file is at path.
    // False, with reason set, when it cannot be read or the copy cannot be written (a store that
    // is read-only, full or missing its folder); the file at path is never touched.
    bool Keep(const std::string& path, std::string& reason);
    // The versions kept of the file at path, newest first; none when nothing was kept.
    std::vector<CKeptVersion> List(const std::string& path) const;

    // The path as the store keys it: absolute and cleaned of "." and "..".
    static std::string AbsolutePath(const std::string& path);

private:
    // The file's folder in the store; with create, made when the file has none yet. Empty when it
    // has none (or, with create, when it cannot be made: reason set).
    std::string FileFolder(const std::string& absolute, bool create, std::string* reason) const;
    void DropOldest(const std::string& fileFolder, const std::string& kept) const;

    std::string m_folder;
    int m_maxPerFile;
    std::uintmax_t m_maxTotalBytes;
};
