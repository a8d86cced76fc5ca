#pragma once
#include "cli/CliCommon.h"

#include <cstdint>
#include <functional>
#include <vector>
#include <string>

class CDeviceContext;

// The level image of 'render' and 'shotmap': the cell size option and the PNG output.
constexpr int kDefaultCell = 20;
constexpr int kMaxCell = 200;
// The largest image written: 64 Mi pixels, 256 MiB as the level image holds them, which leaves
// room for the PNG file's bytes within 512 MiB. (A 1000 x 1000 level renders at up to 8 pixels
// a cell, a 99 x 99 one at up to 82.)
constexpr std::int64_t kMaxPixels = std::int64_t{64} << 20;

// The arguments FILE OUT.png [--cell N] of the commands that write a level image.
struct CImageArgs {
    std::vector<std::string> files;
    int cell = kDefaultCell;
};

// Takes args[i] as --cell with its value (moving i onto it) or as FILE or OUT; anything else is
// an unexpected argument. ExitOk, or a usage error (printed).
int TakeImageArg(const CliArgs& args, std::size_t& i, CImageArgs& image, CCliIo& io);
// After the last argument: checks that both files are there and that OUT is a PNG name (the
// image is always a PNG file) or "-" (a usage error, printed, when not), then loads FILE.
int LoadImageArgs(const CImageArgs& image, CLoadedLevel& loaded, CCliIo& io);

// Renders the level image as the editor caches it, lets drawOver paint on top of it (the level's
// top-left corner is pixel (0, 0)) and writes it to out ("-": standard output) as an RGB PNG
// file. Prints an error and returns ExitFileError when the image has more than kMaxPixels or
// cannot be written.
int WriteLevelPng(const CLevel& level, int cell, bool grid, const std::string& out, CCliIo& io,
                  const std::function<void(CDeviceContext& dc)>& drawOver = {});
