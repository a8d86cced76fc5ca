#pragma once
#include <string>
#include <vector>

// Where the files that travel with the programs lie: beside the running program (a build
// folder), else where an install put them, found from the program's folder so that an install
// works at any prefix.

// The folder of the running program's executable, with a trailing separator; empty when the
// system cannot tell (paths built on it then resolve against the current directory).
std::string GetProgramFolder();

// The folders to look in, in order: the program's folder, then installedFolder (relative to the
// program's folder, or absolute), each with a trailing separator.
std::vector<std::string> GetProgramFileFolders(const std::string& installedFolder);

// The file or folder at relativePath in the first of GetProgramFileFolders that has it; the one
// beside the program when none does. installedFolder defaults to the installed data folder
// (<prefix>/share/quorvale-editor/ for programs in <prefix>/bin/).
std::string FindInstalledFile(const std::string& relativePath);
std::string FindInstalledFile(const std::string& relativePath, const std::string& installedFolder);
