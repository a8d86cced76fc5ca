#pragma once
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
