#include "holmfc/ProgramPath.h"
#include "common/QtTestApp.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// Help > Index and the About box's ReadMe link find the manual beside the program through these.
TEST(ProgramPath, TheProgramsFolderAndAPathsFolder)
{
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    EXPECT_EQ(GetProgramPath(true), folder); // the case is kept where file names have case
    EXPECT_EQ(GetProgramPath(false), QCoreApplication::applicationFilePath());
    // The folder of a path ends after its last backslash, else its last slash.
    EXPECT_EQ(GetFolderOfPath("a/b/c.lev"), "a/b/");
    EXPECT_EQ(GetFolderOfPath("level.lev"), "level.lev");
    EXPECT_EQ(GetFolderOfPath("C:\\Levels\\x/y.lev"), "C:\\Levels\\");
}
