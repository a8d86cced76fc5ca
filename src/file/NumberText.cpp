#include "file/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace {

bool IsCSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

// Skips leading white space and takes an optional sign off the text; returns whether it was '-'.
bool TakeSign(std::string_view& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    text.remove_prefix(i);
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.remove_prefix(1);
    return negative;
}

} // namespace

std::string FormatFixed(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

std::string FormatExact(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

std::string FormatShortest(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatInt(long long value) { return std::to_string(value); }

int ParseIntPrefix(std::string_view text)
{
    const bool negative = TakeSign(text);
    long long value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            break;
        value = value * 10 + (ch - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // saturate: keeps the loop overflow-free
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double ParseDoublePrefix(std::string_view text)
{
    const bool negative = TakeSign(text);
    double value = 0.0;
    auto format = std::chars_format::general;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        format = std::chars_format::hex;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, format);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow; strtod gives infinity or zero.
        const auto* exponent = text.data();
        while (exponent < result.ptr && *exponent != 'e' && *exponent != 'E' && *exponent != 'p' && *exponent != 'P')
            ++exponent;
        const bool tiny = exponent + 1 < result.ptr && exponent[1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}
