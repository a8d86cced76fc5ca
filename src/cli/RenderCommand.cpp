#include "cli/Commands.h"

#include "render/LevelImage.h"
#include "render/RasterImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <charconv>
#include <iostream>

namespace {

constexpr int kDefaultCell = 20;
constexpr int kMaxCell = 200;

bool ParseCell(const std::string& text, int& cell)
{
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, cell);
    return error == std::errc() && last == end && !text.empty() && cell >= 1 && cell <= kMaxCell;
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

int RunRender(const CliArgs& args)
{
    std::vector<std::string> files;
    int cell = kDefaultCell;
    bool grid = true;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--cell") {
            if (i + 1 == args.size())
                return ExitUsage;
            if (!ParseCell(args[++i], cell)) {
                std::cerr << "error: --cell needs a whole number from 1 to " << kMaxCell << ", not " << args[i] << '\n';
                return ExitUsage;
            }
        } else if (arg == "--no-grid") {
            grid = false;
        } else if (files.size() < 2 && !arg.starts_with("--")) {
            files.push_back(arg);
        } else {
            return ExitUsage;
        }
    }
    if (files.size() != 2)
        return ExitUsage;
    const std::string& out = files[1];

    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(files[0], loaded); status != ExitOk)
        return status;
    CRasterImage image;
    if (!RenderLevelImage(loaded.level, cell, grid, image)) {
        const std::int64_t w = std::int64_t{loaded.level.GetWidth()} * cell + 1;
        const std::int64_t h = std::int64_t{loaded.level.GetHeight()} * cell + 1;
        return PrintError(out + ": an image of " + std::to_string(w) + " x " + std::to_string(h) +
                              " pixels is too large to render",
                          ExitFileError);
    }
    const std::string png = EncodePng(image);
    if (png.empty())
        return PrintError(out + ": the PNG encoder refused the image", ExitFileError);
    if (const std::string error = WriteFileAtomically(out, png); !error.empty())
        return PrintError(out + ": " + error, ExitFileError);
    return ExitOk;
}
