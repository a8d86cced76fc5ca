#include "cli/LevelPng.h"

#include "render/DeviceContext.h"
#include "render/LevelImage.h"
#include "render/RasterImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>

namespace {

// The image as an RGB PNG file's bytes; empty when the encoder refuses it.
std::string EncodePng(CRasterImage& image)
{
    // The pixels are 0xFFRRGGBB words: QImage shows them as they are, without a copy.
    const QImage view(reinterpret_cast<const uchar*>(image.GetBits()), image.GetWidth(), image.GetHeight(),
                      image.GetBytesPerLine(), QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!view.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}

} // namespace

int TakeImageArg(const CliArgs& args, std::size_t& i, CImageArgs& image, CCliIo& io)
{
    const std::string& arg = args[i];
    if (arg == "--cell") {
        if (i + 1 == args.size())
            return MissingArgument(io, "a value for " + arg);
        const std::string& value = args[++i];
        if (!ParseExact(value, image.cell) || image.cell < 1 || image.cell > kMaxCell)
            return BadOptionValue(io, arg, "a whole number from 1 to " + std::to_string(kMaxCell), value);
    } else if (image.files.size() < 2 && (arg == "-" || !arg.starts_with("-"))) {
        image.files.push_back(arg);
    } else {
        return UnexpectedArgument(io, arg);
    }
    return ExitOk;
}

int LoadImageArgs(const CImageArgs& image, CLoadedLevel& loaded, CCliIo& io)
{
    if (image.files.size() < 2)
        return MissingArgument(io, image.files.empty() ? "FILE and OUT" : "OUT");
    const std::string& out = image.files[1];
    std::string extension = std::filesystem::path(out).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (out != "-" && extension != ".png")
        return PrintError(io, out + ": the image is written as PNG; name it *.png, or - for standard output",
                          ExitUsage);
    return LoadLevelFile(image.files[0], loaded, io);
}

int WriteLevelPng(const CLevel& level, int cell, bool grid, const std::string& out, CCliIo& io,
                  const std::function<void(CDeviceContext& dc)>& drawOver)
{
    const std::int64_t w = std::int64_t{level.GetWidth()} * cell + 1;
    const std::int64_t h = std::int64_t{level.GetHeight()} * cell + 1;
    CRasterImage image;
    if (w * h > kMaxPixels || !RenderLevelImage(level, cell, grid, image)) {
        return PrintError(io, DisplayName(out, true) + ": an image of " + std::to_string(w) + " x " + std::to_string(h) +
                              " pixels is larger than a render may be (" + std::to_string(kMaxPixels) +
                              " pixels, " + std::to_string(CRasterImage::kMaxSide) + " a side)",
                          ExitFileError);
    }
    if (drawOver) {
        CDeviceContext dc(image);
        drawOver(dc);
    }
    const std::string png = EncodePng(image);
    if (png.empty())
        return PrintError(io, DisplayName(out, true) + ": the PNG encoder refused the image", ExitFileError);
    return WriteOutput(out, png, io);
}
