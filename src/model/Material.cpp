#include "model/Material.h"

#include "render/Brush.h"

#include <array>
#include <vector>

namespace {

struct KindInfo {
    int kind;
    Colour colour;
    double friction;
};

// Indexed by kind value; the table index of a kind equals its value.
constexpr std::array<KindInfo, 6> kKinds = {{
    {Grass, MakeRgb(20, 128, 20), 0.602},
    {Wall, MakeRgb(97, 1, 18), 0.602},
    {Ice, MakeRgb(137, 154, 148), 0.42},
    {Hole, MakeRgb(0, 0, 0), 1.12},
    {Sand, MakeRgb(184, 119, 22), 2.464},
    {Water, MakeRgb(0, 0, 198), 0.602},
}};

// Shading of a sloped material by direction: rotations 4..7 negate rotations 0..3.
constexpr std::array<int, 8> kSlopeShade = {-15, 7, 22, 30, 15, -7, -22, -30};

// The slope pull: gravity 9.82 on a 40-degree incline, 9.82 sin(40 pi / 180), and the cosine and
// sine of the eight slope directions k pi / 4, with pi the double nearest to it (acos(-1)). They
// are written out to the bit rather than taken from the C library at start-up, because C
// libraries (and one library's variants for different processors) may round the last bit
// differently, and the ball must roll the same on every machine.
constexpr double kSlopeG = 0x1.93faaa0768e57p+2;
constexpr std::array<double, 8> kSlopeCos = {
    0x1p+0, 0x1.6a09e667f3bcdp-1, 0x1.1a62633145c07p-54, -0x1.6a09e667f3bccp-1,
    -0x1p+0, -0x1.6a09e667f3bcep-1, -0x1.a79394c9e8a0ap-53, 0x1.6a09e667f3bcbp-1,
};
constexpr std::array<double, 8> kSlopeSin = {
    0x0p+0, 0x1.6a09e667f3bccp-1, 0x1p+0, 0x1.6a09e667f3bcdp-1,
    0x1.1a62633145c07p-53, -0x1.6a09e667f3bccp-1, -0x1p+0, -0x1.6a09e667f3bcep-1,
};

} // namespace

CMaterial::CMaterial() = default;

CMaterial::CMaterial(int kind, int rotation)
{
    SetKind(kind);
    SetRotation(rotation);
}

CMaterial::CMaterial(const CMaterial& other) : m_kind(other.m_kind), m_rotation(other.m_rotation) {}

CMaterial& CMaterial::operator=(const CMaterial& other)
{
    m_kind = other.m_kind;
    m_rotation = other.m_rotation;
    return *this;
}

CMaterial::~CMaterial() = default;

void CMaterial::SetKind(int kind)
{
    if (IsValidKind(kind))
        m_kind = kind;
}

void CMaterial::SetRotation(int rotation)
{
    if (IsValidRotation(rotation))
        m_rotation = rotation;
}

void CMaterial::Swap(CMaterial& other)
{
    std::swap(m_kind, other.m_kind);
    std::swap(m_rotation, other.m_rotation);
}

void CMaterial::Rotate() { m_rotation = RotateRotation(m_rotation); }
void CMaterial::FlipHorizontal() { m_rotation = FlipRotationHorizontally(m_rotation); }
void CMaterial::FlipVertical() { m_rotation = FlipRotationVertically(m_rotation); }

int CMaterial::RotateRotation(int rotation) { return rotation == NoSlope ? rotation : (rotation + 6) % 8; }
int CMaterial::FlipRotationHorizontally(int rotation) { return rotation == NoSlope ? rotation : (4 - rotation + 8) % 8; }
int CMaterial::FlipRotationVertically(int rotation) { return rotation == NoSlope ? rotation : (8 - rotation) % 8; }

double CMaterial::GetFriction() const
{
    return IsValidKind(m_kind) ? kKinds[m_kind].friction : kKinds[Grass].friction;
}

double CMaterial::GetSlopeX() const
{
    if (m_rotation == NoSlope)
        return 0.0;
    return kSlopeG * kSlopeCos[m_rotation];
}

double CMaterial::GetSlopeY() const
{
    if (m_rotation == NoSlope)
        return 0.0;
    return -kSlopeG * kSlopeSin[m_rotation];
}

const CMaterial& CMaterial::Get(int kind, int rotation)
{
    static constexpr int kRotations = NoSlope + 1;
    static const std::vector<CMaterial> all = [] {
        std::vector<CMaterial> materials;
        materials.reserve(kKinds.size() * kRotations);
        for (const KindInfo& info : kKinds)
            for (int r = 0; r < kRotations; ++r)
                materials.emplace_back(info.kind, r);
        return materials;
    }();
    return all[static_cast<std::size_t>(kind) * kRotations + static_cast<std::size_t>(rotation)];
}

CBrush* CMaterial::CreateBrush()
{
    DeleteBrush();
    m_colour = GetBaseColour(m_kind);
    m_sloped = m_rotation != NoSlope && m_kind != Hole;
    if (!m_sloped) {
        m_brush = std::make_unique<CBrush>(CBrush::MakeSolid(m_colour));
        return m_brush.get();
    }
    const int shade = kSlopeShade[m_rotation];
    m_colour = AdjustColour(m_colour, shade, shade, shade);
    static constexpr std::array<int, 4> kHatchByDirection = {HatchHorizontal, HatchBackwardDiagonal,
                                                            HatchVertical, HatchForwardDiagonal};
    m_brush = std::make_unique<CBrush>(
        CBrush::MakeHatched(kHatchByDirection[m_rotation % 4], AdjustColour(m_colour, -30, -30, -30)));
    return m_brush.get();
}

void CMaterial::DeleteBrush() { m_brush.reset(); }

bool CMaterial::IsValidKind(int kind) { return kind >= 0 && kind < static_cast<int>(kKinds.size()); }

int CMaterial::GetKindByIndex(int index)
{
    return (index >= 0 && index < GetKindCount()) ? kKinds[index].kind : Grass;
}

Colour CMaterial::GetBaseColour(int kind)
{
    return IsValidKind(kind) ? kKinds[kind].colour : kKinds[Grass].colour;
}

double CMaterial::GetSlopeMagnitude() { return kSlopeG; }
