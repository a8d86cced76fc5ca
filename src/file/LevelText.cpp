// The level text: writing a level, reading it back, the identity string and the file container.
#include "file/LevelText.h"

#include "file/Archive.h"
#include "file/FileAccess.h"
#include "file/NumberText.h"
#include "model/Level.h"

#include <cstdint>
#include <sstream>

namespace {

// Old files numbered the slope directions differently; index = old digit.
constexpr char kAlfa1Digits[] = {'8', '1', '0', '7', '6', '5', '4', '3', '2', '0'};

void ConvertAlfa1Digit(std::string& code, std::size_t position)
{
    if (position < code.size() && code[position] >= '0' && code[position] <= '9')
        code[position] = kAlfa1Digits[code[position] - '0'];
}

// How many of the cells the text can fill, counting at most limit: the reader takes a field for
// each cell and stops at the first one that is missing or empty.
std::int64_t CountCellFields(std::string_view text, std::int64_t limit)
{
    std::int64_t count = 0;
    for (std::size_t open = text.find('{'); count < limit && open != std::string_view::npos;
         open = text.find('{', open)) {
        const std::size_t close = text.find('}', open + 1);
        if (close == std::string_view::npos || close == open + 1)
            break;
        ++count;
        open = close + 1;
    }
    return count;
}

void Reject(std::string* why, const std::string& reason)
{
    if (why)
        *why = reason;
}

bool UnwrapArchiveString(std::string bytes, std::string& text, std::string& reason)
{
    std::istringstream stream(std::move(bytes));
    CArchive archive(stream);
    if (!archive.ReadString(text)) {
        reason = archive.GetError();
        return false;
    }
    return true;
}

} // namespace

std::string_view NextField(std::string_view& text)
{
    // Plain loops: fields are a few characters long, too short for a library search to pay off.
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* open = begin;
    while (open != end && *open != '{')
        ++open;
    const char* close = open == end ? end : open + 1;
    while (close != end && *close != '}')
        ++close;
    if (close == end) {
        text = {};
        return {};
    }
    const std::string_view field(open + 1, static_cast<std::size_t>(close - open - 1));
    text.remove_prefix(static_cast<std::size_t>(close + 1 - begin));
    return field;
}

bool IsAcceptedHeader(std::string_view header)
{
    return header == kHeaderCurrent || header == kHeaderAlfa2 || header == kHeaderAlfa1;
}

std::string CLevel::WriteText() const
{
    std::string text;
    text.reserve(64 + m_id.size() + m_name.size() + m_creator.size() +
                 static_cast<std::size_t>(GetWidth()) * GetHeight() * 8);
    for (const std::string_view part :
         {std::string_view("{"), kHeaderCurrent, std::string_view("}\r\n{"), std::string_view(m_id),
          std::string_view("}\r\n{"), std::string_view(m_name), std::string_view("}{"), std::string_view(m_creator),
          std::string_view("}\r\n{")})
        text += part;
    text += FormatInt(GetWidth());
    text += "}{";
    text += FormatInt(GetHeight());
    text += "}\r\n{";
    text += FormatFixed(m_ballX);
    text += "}{";
    text += FormatFixed(m_ballY);
    text += "}\r\n";
    for (int y = 0; y < GetHeight(); ++y) {
        for (int x = 0; x < GetWidth(); ++x) {
            text += '{';
            m_grid.At(x, y).AppendCode(text);
            text += '}';
        }
        text += "\r\n";
    }
    return text;
}

bool CLevel::ReadText(const std::string& source, std::string* whyRejected)
{
    std::string_view text = source;
    const std::string_view header = NextField(text);
    if (!IsAcceptedHeader(header)) {
        Reject(whyRejected, "unknown header");
        return false;
    }
    const bool alfa1 = header == kHeaderAlfa1;
    const std::string id(NextField(text));
    const std::string name(NextField(text));
    const std::string creator(NextField(text));
    const int width = ParseIntPrefix(NextField(text));
    const int height = ParseIntPrefix(NextField(text));
    const double ballX = ParseDoublePrefix(NextField(text));
    const double ballY = ParseDoublePrefix(NextField(text));
    if (width < 2 || height < 2) {
        Reject(whyRejected, "width or height below 2");
        return false;
    }
    if (!IsAllowedSize(width, height)) {
        Reject(whyRejected, "size " + FormatInt(width) + " x " + FormatInt(height) + " is more than the " +
                                FormatInt(kMaxCells) + " cells a level may have");
        return false;
    }
    // A size whose cells the text cannot fill would fail on a missing or empty cell field anyway;
    // beyond the largest level the editor makes, refuse it before allocating a grid of that size.
    const std::int64_t cells = static_cast<std::int64_t>(width) * height;
    if (cells > 99 * 99 && CountCellFields(text, cells) < cells) {
        Reject(whyRejected, "size larger than the cells in the file");
        return false;
    }
    SetName(name);
    SetCreator(creator);
    SetId(id);
    Resize(width, height);
    m_ballX = ballX;
    m_ballY = ballY;
    ClampBall();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::string_view code = NextField(text);
            if (code.empty()) {
                Reject(whyRejected, "missing cell field");
                return false;
            }
            if (alfa1) {
                std::string converted(code);
                ConvertAlfa1Digit(converted, 3);
                ConvertAlfa1Digit(converted, 5);
                m_grid.At(x, y).FromCode(converted);
            } else {
                m_grid.At(x, y).FromCode(code);
            }
        }
    m_modified = false;
    return true;
}

void CLevel::MakeId()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    MakeId(local);
}

void CLevel::MakeId(const std::tm& localTime)
{
    // Wrap-around arithmetic of a signed 32-bit hash, done unsigned to stay defined.
    std::uint32_t hash = 0;
    for (int x = 0; x < GetWidth(); ++x)
        for (int y = 0; y < GetHeight(); ++y) {
            const CBlock& block = m_grid.At(x, y);
            for (int value : {block.GetShape(), block.GetBackRotation(), block.GetFrontKind(), block.GetBackKind(),
                              block.GetFrontRotation()})
                hash = hash * 37u + static_cast<std::uint32_t>(value);
        }
    char stamp[64];
    const std::size_t length = std::strftime(stamp, sizeof stamp, "%Y%m%j%H%d%S", &localTime);
    m_id = FormatInt(static_cast<std::int32_t>(hash)) + std::string(stamp, length);
}

bool CLevel::Store(CArchive& archive)
{
    MakeId();
    if (!archive.WriteString(WriteText()))
        return false;
    m_modified = false;
    return true;
}

bool CLevel::Load(CArchive& archive, std::string* whyRejected)
{
    std::string text;
    if (!archive.ReadString(text))
        return false; // the bytes could not be read: the level stays as it was
    const bool accepted = ReadText(text, whyRejected);
    m_modified = false;
    return accepted;
}

bool ReadLevelFileText(const std::string& path, std::string& text, std::string& reason)
{
    std::string bytes;
    return ReadRegularFile(path, bytes, reason) && UnwrapArchiveString(std::move(bytes), text, reason);
}

bool ReadLevelStreamText(std::istream& in, std::string& text, std::string& reason)
{
    std::string bytes;
    return ReadStream(in, bytes, reason) && UnwrapArchiveString(std::move(bytes), text, reason);
}

bool CLevel::LoadFromFile(const std::string& path)
{
    std::string text;
    std::string reason;
    if (!ReadLevelFileText(path, text, reason))
        return false; // the level stays as it was
    const bool accepted = ReadText(text);
    m_modified = false;
    return accepted;
}
