#pragma once
#include <QString>

#include <span>

// A numbered string of the application, translated through Qt's translation system with its
// context and source text.
struct CResourceString {
    unsigned id;
    const char* context;
    const char* text;
};

// The application hands its string table over once at start-up; the table must outlive its use.
void SetResourceStrings(std::span<const CResourceString> table);
// The translated string with that id, or an empty string when the table has none.
QString LoadResourceString(unsigned id);
