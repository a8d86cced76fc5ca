#pragma once
#include <string>
#include <string_view>

// Numbers in level texts, independent of the process locale (a Swedish locale must not turn
// "5.000000" into "5,000000").

// The C library's "%f": fixed notation with six decimals.
std::string FormatFixed(double value);
// The C library's "%d".
std::string FormatInt(long long value);
// Like atoi: leading white space, an optional sign and the leading digits; no digits give 0;
// values beyond the int range are clamped to it.
int ParseIntPrefix(std::string_view text);
// Like atof: leading white space, an optional sign, then the longest decimal or hexadecimal
// number, "inf" or "nan" at the start; no number gives 0.0.
double ParseDoublePrefix(std::string_view text);
// The C library's "%.17g": enough digits to read the same double back.
std::string FormatExact(double value);
// The shortest text that reads back as the same double ("30", "0.5").
std::string FormatShortest(double value);
