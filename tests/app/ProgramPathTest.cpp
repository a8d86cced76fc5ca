#include "holmfc/ProgramPath.h"

#include <gtest/gtest.h>

TEST(ProgramPath, FolderOfPathCutsAfterTheLastBackslashOrElseSlash)
{
    EXPECT_EQ(GetFolderOfPath("a/b/c.lev"), "a/b/");
    EXPECT_EQ(GetFolderOfPath("level.lev"), "level.lev");
    EXPECT_EQ(GetFolderOfPath("C:\\Levels\\x/y.lev"), "C:\\Levels\\");
    EXPECT_EQ(GetFolderOfPath("C:\\Levels\\"), "C:\\Levels\\");
    EXPECT_EQ(GetFolderOfPath(""), "");
}
