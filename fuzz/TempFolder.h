#pragma once
#include <filesystem>

// A folder of the fuzzer's own, made when constructed and removed with everything in it when
// destroyed. It lies in memory (/dev/shm) where the system has such a folder, since saves flush
// every file to disk, else in the system's temporary folder.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};
