// The block and material codes of the level text.
#include "model/Block.h"

#include <string_view>

namespace {

constexpr std::string_view kKindLetters = "GTIHSW";
constexpr int kKindValues[] = {Grass, Wall, Ice, Hole, Sand, Water};
constexpr std::string_view kShapeLetters = "SCPTM";
constexpr int kShapeValues[] = {Solid, Circle, QuarterDisc, Triangle, HalfDisc};

char LetterOf(std::string_view letters, const int* values, int value, char fallback)
{
    for (std::size_t i = 0; i < letters.size(); ++i)
        if (values[i] == value)
            return letters[i];
    return fallback;
}

int ValueOf(std::string_view letters, const int* values, char letter, int fallback)
{
    for (std::size_t i = 0; i < letters.size(); ++i)
        if (letters[i] == letter)
            return values[i];
    return fallback;
}

void AppendMaterialCode(std::string& out, int kind, int rotation)
{
    out += LetterOf(kKindLetters, kKindValues, kind, 'G');
    out += static_cast<char>('0' + rotation);
}

// Reads a material code into kind and rotation: the kind letter (Grass when unknown) and, when it
// is a digit 0..8, the rotation. False, with both unchanged, when the text is too short.
bool ParseMaterialCode(std::string_view text, int& kind, int& rotation)
{
    if (text.size() < 2)
        return false;
    kind = ValueOf(kKindLetters, kKindValues, text[0], Grass);
    if (CMaterial::IsValidRotation(text[1] - '0'))
        rotation = text[1] - '0';
    return true;
}

} // namespace

std::string CMaterial::ToCode() const
{
    std::string code;
    AppendCode(code);
    return code;
}

void CMaterial::AppendCode(std::string& out) const { AppendMaterialCode(out, m_kind, m_rotation); }

bool CMaterial::FromCode(std::string_view text)
{
    int kind = m_kind;
    int rotation = m_rotation;
    if (!ParseMaterialCode(text, kind, rotation))
        return false;
    m_kind = kind;
    m_rotation = rotation;
    return true;
}

std::string CBlock::ToCode() const
{
    std::string code;
    AppendCode(code);
    return code;
}

void CBlock::AppendCode(std::string& out) const
{
    if (IsEmpty()) {
        out += '$';
        return;
    }
    const int shape = IsUniform() ? int{Solid} : GetShape();
    out += LetterOf(kShapeLetters, kShapeValues, shape, 'S');
    out += static_cast<char>('0' + m_shapeRotation);
    AppendMaterialCode(out, GetBackKind(), GetBackRotation());
    if (shape != Solid)
        AppendMaterialCode(out, GetFrontKind(), GetFrontRotation());
}

bool CBlock::IsWellFormedCode(std::string_view text)
{
    auto isKind = [](char c) { return kKindLetters.find(c) != std::string_view::npos; };
    auto isDigit = [](char c, char max) { return c >= '0' && c <= max; };
    if (text == "$")
        return true;
    if (text.size() != 4 && text.size() != 6)
        return false;
    if (kShapeLetters.find(text[0]) == std::string_view::npos || !isDigit(text[1], '3') || !isKind(text[2]) ||
        !isDigit(text[3], '8'))
        return false;
    return text.size() == 4 || (text[0] != 'S' && isKind(text[4]) && isDigit(text[5], '8'));
}

bool CBlock::FromCode(std::string_view text)
{
    if (text == "$") {
        Reset();
        return true;
    }
    if (text.size() < 4)
        return false;
    const int shape = ValueOf(kShapeLetters, kShapeValues, text[0], Solid);
    // A Solid code has no front material; it reads as grass with rotation 0.
    const bool hasFront = shape != Solid;
    int backKind = Grass, backRotation = NoSlope;
    int frontKind = Grass, frontRotation = hasFront ? NoSlope : 0;
    ParseMaterialCode(text.substr(2), backKind, backRotation);
    if (hasFront)
        ParseMaterialCode(text.substr(4), frontKind, frontRotation);
    Reset();
    Set(shape, text[1] - '0', backKind, backRotation, frontKind, frontRotation);
    return true;
}
