#pragma once
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

// The container of a level file: one string behind a length prefix, the characters as single
// bytes without a terminator. The prefix is one byte below 255; otherwise 0xFF and a 16-bit
// little-endian length below 0xFFFE; otherwise 0xFF, 0xFFFF and a 32-bit length. A loading
// archive also accepts the wide-character form (0xFF 0xFFFE, then a prefix counting UTF-16
// units); a character outside Latin-1 reads as '?'.
class CArchive {
public:
    enum class Mode { Load, Store };

    explicit CArchive(std::istream& in) : m_in(&in), m_mode(Mode::Load) {}
    explicit CArchive(std::ostream& out) : m_out(&out), m_mode(Mode::Store) {}

    bool IsLoading() const { return m_mode == Mode::Load; }
    // Reads one string; false when the bytes end early or the stream fails (see GetError).
    bool ReadString(std::string& text);
    // Writes one string; false when the stream fails.
    bool WriteString(const std::string& text);
    const std::string& GetError() const { return m_error; }

    static std::string EncodeLength(std::uint32_t length);

private:
    bool ReadBytes(void* buffer, std::size_t count);
    bool ReadLength(std::uint32_t& length, bool& wide);

    std::istream* m_in = nullptr;
    std::ostream* m_out = nullptr;
    Mode m_mode;
    std::string m_error;
};
