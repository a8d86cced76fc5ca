#pragma once
#include <filesystem>

// What may stand at a path that a command or the generator is given to read or write.
enum class HostileFile {
    Directory,
    Fifo,       // no writer ever comes
    DeviceLink, // a symbolic link to /dev/zero, endless
    Oversized,  // a regular file one byte larger than reading accepts (sparse: it costs nothing)
    LinkLoop,   // a symbolic link to itself
};
inline constexpr int kHostileFileKinds = 5;

// Makes one at path, where nothing stands.
void MakeHostileFile(const std::filesystem::path& path, HostileFile kind);
