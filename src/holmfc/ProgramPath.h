#pragma once
#include <QString>

// Paths of the running program and of the files that travel with it.

// The full file name of the running program, or with folderOnly its folder with a trailing
// separator. Lower-cased only where the file system ignores case (Windows).
QString GetProgramPath(bool folderOnly);

// The folder part of a path up to and including its last backslash, or its last forward slash
// when it has no backslash; a path without either comes back unchanged.
QString GetFolderOfPath(const QString& path);

// The file at relativePath beside the program; when there is none, the same file in the data
// folder of an installed program, found from the program's folder as the build's install layout
// places it (QV_DATA_FROM_BINDIR, by default ../share/quorvale-editor), whatever the prefix.
// Returns the path beside the program when neither exists.
QString FindProgramFile(const QString& relativePath);
