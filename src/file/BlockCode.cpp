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

} // namespace

std::string CMaterial::ToCode() const
{
    std::string code;
    AppendCode(code);
    return code;
}

void CMaterial::AppendCode(std::string& out) const
{
    out += LetterOf(kKindLetters, kKindValues, m_kind, 'G');
    out += static_cast<char>('0' + m_rotation);
}

bool CMaterial::FromCode(std::string_view text)
{
    if (text.size() < 2)
        return false;
    m_kind = ValueOf(kKindLetters, kKindValues, text[0], Grass);
    SetRotation(text[1] - '0');
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
    const int shape = IsUniform() ? Solid : m_shape;
    out += LetterOf(kShapeLetters, kShapeValues, shape, 'S');
    out += static_cast<char>('0' + m_shapeRotation);
    m_back.AppendCode(out);
    if (shape != Solid)
        m_front.AppendCode(out);
}

bool CBlock::FromCode(std::string_view text)
{
    if (text == "$") {
        Reset();
        return true;
    }
    if (text.size() < 4)
        return false;
    Reset();
    m_shape = ValueOf(kShapeLetters, kShapeValues, text[0], Solid);
    const int rotation = text[1] - '0';
    if (IsValidShapeRotation(rotation))
        m_shapeRotation = rotation;
    m_back.FromCode(text.substr(2));
    if (m_shape == Solid) {
        m_front.SetKind(Grass);
        m_front.SetRotation(0);
        return true;
    }
    m_front.FromCode(text.substr(4));
    return true;
}
