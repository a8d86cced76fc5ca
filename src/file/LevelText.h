#pragma once
#include <iosfwd>
#include <string>
#include <string_view>

// The level text is a sequence of fields, each the characters between a "{" and the next "}".
// NextField returns the next field and removes it, with everything before it, from the text;
// without a complete field it empties the text and returns an empty field.
std::string_view NextField(std::string_view& text);

// The header fields a level text may start with: this version's, and the two older ones.
inline constexpr std::string_view kHeaderCurrent = "Quorvale1";
inline constexpr std::string_view kHeaderAlfa2 = "Quorvale alfa2";
inline constexpr std::string_view kHeaderAlfa1 = "Quorvael alfa1";
bool IsAcceptedHeader(std::string_view header);

// The level text of the level file at path: the file's bytes (a regular file within the read
// limit, see FileAccess.h) unwrapped from their archive string. False, with reason set, when the
// file or its container cannot be read; the text's content is not looked at.
bool ReadLevelFileText(const std::string& path, std::string& text, std::string& reason);
// The same for a level file that arrives on a stream (standard input), within the same limit.
bool ReadLevelStreamText(std::istream& in, std::string& text, std::string& reason);
