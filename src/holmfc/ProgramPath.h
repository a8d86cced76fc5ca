#pragma once
#include <QString>

// Paths of the running program and of the files that travel with it.

// The full file name of the running program, or with folderOnly its folder with a trailing
// separator. Lower-cased only where the file system ignores case (Windows).
QString GetProgramPath(bool folderOnly);

// The folder part of a path up to and including its last backslash, or its last forward slash
// when it has no backslash; a path without either comes back unchanged.
QString GetFolderOfPath(const QString& path);

// How a program finds the files that travel with it, given their path relative to its folder.
using ProgramFileFinder = QString (*)(const QString& relativePath);
// Puts finder in place of the default, which looks beside the program only: a program whose files
// may also lie elsewhere (an installed data folder) says where; nullptr brings the default back.
void SetProgramFileFinder(ProgramFileFinder finder);
// The file at relativePath as the program finds it; by default GetProgramPath(true) + relativePath.
QString FindProgramFile(const QString& relativePath);
