#include "file/Archive.h"

#include <algorithm>
#include <array>

namespace {

// The most ReadString sets aside before the bytes arrive: far more than a 99 x 99 level's text.
constexpr std::uint64_t kReserveBytes = 1 << 20;

std::uint32_t LittleEndian(const unsigned char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

bool CArchive::ReadBytes(void* buffer, std::size_t count)
{
    m_in->read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
    if (static_cast<std::size_t>(m_in->gcount()) == count)
        return true;
    m_error = m_in->bad() ? "the file could not be read" : "unexpected end of file";
    return false;
}

bool CArchive::ReadLength(std::uint32_t& length, bool& wide)
{
    unsigned char bytes[4];
    if (!ReadBytes(bytes, 1))
        return false;
    if (bytes[0] < 0xFF) {
        length = bytes[0];
        return true;
    }
    if (!ReadBytes(bytes, 2))
        return false;
    const std::uint32_t word = LittleEndian(bytes, 2);
    if (word == 0xFFFE) {
        if (wide) {
            m_error = "malformed string length";
            return false;
        }
        wide = true;
        return ReadLength(length, wide);
    }
    if (word < 0xFFFF) {
        length = word;
        return true;
    }
    if (!ReadBytes(bytes, 4))
        return false;
    length = LittleEndian(bytes, 4);
    return true;
}

bool CArchive::ReadString(std::string& text)
{
    m_error.clear();
    if (!m_in) {
        m_error = "the archive is not loading";
        return false;
    }
    std::uint32_t length = 0;
    bool wide = false;
    if (!ReadLength(length, wide))
        return false;
    // The prefix is not trusted: the text grows with the bytes actually read, chunk by chunk.
    const std::size_t unit = wide ? 2 : 1;
    std::string result;
    std::array<char, 4096> chunk;
    std::uint64_t remaining = static_cast<std::uint64_t>(length) * unit;
    // Room for a text of the size a level file has is made at once, so that its bytes are not
    // copied again and again as it grows; a larger prefix only gets that much before its bytes come.
    result.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(length, kReserveBytes)));
    while (remaining > 0) {
        const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, chunk.size()));
        if (!ReadBytes(chunk.data(), count))
            return false;
        if (wide) {
            for (std::size_t i = 0; i + 1 < count; i += 2) {
                const unsigned code = static_cast<unsigned char>(chunk[i]) |
                                      (static_cast<unsigned>(static_cast<unsigned char>(chunk[i + 1])) << 8);
                result += code < 0x100 ? static_cast<char>(code) : '?';
            }
        } else {
            result.append(chunk.data(), count);
        }
        remaining -= count;
    }
    text = std::move(result);
    return true;
}

std::string CArchive::EncodeLength(std::uint32_t length)
{
    std::string prefix;
    auto put = [&prefix](std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            prefix += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    if (length < 0xFF) {
        put(length, 1);
    } else if (length < 0xFFFE) {
        put(0xFF, 1);
        put(length, 2);
    } else {
        put(0xFF, 1);
        put(0xFFFF, 2);
        put(length, 4);
    }
    return prefix;
}

bool CArchive::WriteString(const std::string& text)
{
    m_error.clear();
    if (!m_out) {
        m_error = "the archive is not storing";
        return false;
    }
    const std::string prefix = EncodeLength(static_cast<std::uint32_t>(text.size()));
    m_out->write(prefix.data(), static_cast<std::streamsize>(prefix.size()));
    m_out->write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!*m_out) {
        m_error = "the file could not be written";
        return false;
    }
    return true;
}
