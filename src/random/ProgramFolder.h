#pragma once
#include <string>

// The folder of the running program's executable, with a trailing separator; empty when the
// system cannot tell (paths built on it then resolve against the current directory).
std::string GetProgramFolder();

// The folder the random generator reads its bites from, with a trailing separator: "RBites/"
// beside the program, or, when there is no such folder, the one in the installed data folder,
// found from the program's folder as the install laid them out (<prefix>/share/quorvale-editor/
// RBites/ for a program in <prefix>/bin/, whatever the prefix). When neither exists the folder
// beside the program is returned all the same.
std::string GetBiteFolder();
