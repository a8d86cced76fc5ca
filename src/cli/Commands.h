#pragma once
#include "cli/CliCommon.h"

// One function per quorvale-level command; args[0] is the command name.
int RunInfo(const CliArgs& args);
int RunCat(const CliArgs& args);
int RunSave(const CliArgs& args);
int RunRandom(const CliArgs& args);
int RunRender(const CliArgs& args);
int RunShoot(const CliArgs& args);
