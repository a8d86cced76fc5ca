#include "cli/Commands.h"

#include "render/LevelImage.h"
#include "render/RasterImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

constexpr int kDefaultCell = 20;
constexpr int kMaxCell = 200;

// The image is always a PNG file, so a name that promises another format is refused.
bool HasPngExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".png";
}

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

int RunRender(const CliArgs& args, CCliIo& io)
{
    std::vector<std::string> files;
    int cell = kDefaultCell;
    bool grid = true;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--cell") {
            if (i + 1 == args.size())
                return MissingArgument(io, "a value for " + arg);
            if (!ParseExact(args[++i], cell) || cell < 1 || cell > kMaxCell)
                return BadOptionValue(io, arg, "a whole number from 1 to " + std::to_string(kMaxCell), args[i]);
        } else if (arg == "--no-grid") {
            grid = false;
        } else if (files.size() < 2 && (arg == "-" || !arg.starts_with("-"))) {
            files.push_back(arg);
        } else {
            return UnexpectedArgument(io, arg);
        }
    }
    if (files.size() < 2)
        return MissingArgument(io, files.empty() ? "FILE and OUT" : "OUT");
    const std::string& out = files[1];
    if (out != "-" && !HasPngExtension(out))
        return PrintError(io, out + ": the image is written as PNG; name it *.png, or - for standard output",
                          ExitUsage);

    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(files[0], loaded, io); status != ExitOk)
        return status;
    CRasterImage image;
    if (!RenderLevelImage(loaded.level, cell, grid, image)) {
        const std::int64_t w = std::int64_t{loaded.level.GetWidth()} * cell + 1;
        const std::int64_t h = std::int64_t{loaded.level.GetHeight()} * cell + 1;
        return PrintError(io, DisplayName(out, true) + ": an image of " + std::to_string(w) + " x " + std::to_string(h) +
                              " pixels is too large to render",
                          ExitFileError);
    }
    const std::string png = EncodePng(image);
    if (png.empty())
        return PrintError(io, DisplayName(out, true) + ": the PNG encoder refused the image", ExitFileError);
    return WriteOutput(out, png, io);
}
