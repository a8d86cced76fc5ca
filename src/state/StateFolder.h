#pragma once
#include <string>

// The editor's own folder in the user's state folder, where the earlier versions of saved files and
// the recovery copies of unsaved levels are kept: "$XDG_STATE_HOME/quorvale-editor", or
// "$HOME/.local/state/quorvale-editor" when XDG_STATE_HOME is unset or not an absolute path (a
// relative one is to be ignored). The home folder comes from the password database when HOME is
// unset. Empty when no home folder can be found at all. The folder is not created here.
std::string StateFolderPath();

// Makes the folder and every missing folder above it, each new one readable by the user alone: what
// is kept there is the user's work. True when the folder exists (made now or before); false, with
// reason set, when it cannot be made or something that is not a folder stands in its place.
bool MakeFolders(const std::string& path, std::string& reason);
