#pragma once
#include <QString>

// Opens the file at relativePath beside the program (as FindProgramFile finds it) with the
// desktop's program for its type, through CUrlOpener; true when the desktop accepted it. Failures
// show nothing.
bool OpenReadme(const QString& relativePath);

// Opens the file named by the resource string stringId (see LoadResourceString).
bool ShowReadme(unsigned stringId);
