#pragma once
#include "cli/CliCommon.h"

#include <cstddef>
#include <string>
#include <vector>

// One edit operation that `cat` and `save` apply to a loaded level.
struct CLevelOp {
    std::string name;
    std::vector<int> ints;
    std::vector<double> numbers;
    CBlock block;
    std::string text;
};

// Reads the operations from args[first] on. On a malformed one, fills error and returns false.
bool ParseOps(const CliArgs& args, std::size_t first, std::vector<CLevelOp>& ops, std::string& error);
// Applies parsed operations in command-line order.
void ApplyOps(const std::vector<CLevelOp>& ops, CLevel& level);

// What `cat` and `save` share: checks the operations from args[firstOp] on (a malformed one is a
// usage error, reported before any file is read), loads args[1], then applies them. Returns the
// exit status.
int LoadLevelWithOps(const CliArgs& args, std::size_t firstOp, CLoadedLevel& loaded, CCliIo& io);

// Block codes as the level file writes them: "$", or a shape letter, a rotation digit 0..3 and
// one material code (Solid) or two (other shapes), each a kind letter and a digit 0..8.
bool ParseBlockCode(const std::string& code, CBlock& block);

extern const char* const kOpsHelp;
