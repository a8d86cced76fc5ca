#pragma once
// Level files as bytes: what a save writes and what a read takes, without a file in between.
#include "file/Archive.h"
#include "model/Level.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

// The bytes of a .lev file holding the level.
inline std::string FileBytes(CLevel level)
{
    std::ostringstream bytes;
    CArchive archive(bytes);
    EXPECT_TRUE(level.Store(archive));
    return bytes.str();
}

// The bytes of a .lev file holding that text as it stands.
inline std::string ArchiveOf(const std::string& text)
{
    return CArchive::EncodeLength(static_cast<std::uint32_t>(text.size())) + text;
}

// Reads a level from a file's bytes; false when they are not a complete, accepted level.
inline bool ReadLevel(const std::string& bytes, CLevel& level)
{
    std::istringstream stream(bytes);
    CArchive archive(stream);
    return level.Load(archive);
}
