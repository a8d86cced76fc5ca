#include "model/Block.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The disc that is the front region of a round shape (within the cell): centre and radius.
struct CDisc {
    double cu;
    double cv;
    double radius;
};

bool FindFrontDisc(int shape, int rotation, CDisc& disc)
{
    // The corner of a quarter disc and the centre of a half disc, by shape rotation.
    static constexpr double kCorner[4][2] = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};
    static constexpr double kCentre[4][2] = {{1, 0.5}, {0.5, 1}, {0, 0.5}, {0.5, 0}};
    switch (shape) {
    case Circle:
        disc = {0.5, 0.5, 0.5};
        return true;
    case QuarterDisc:
        disc = {kCorner[rotation & 3][0], kCorner[rotation & 3][1], 1.0};
        return true;
    case HalfDisc:
        disc = {kCentre[rotation & 3][0], kCentre[rotation & 3][1], 0.5};
        return true;
    default:
        return false;
    }
}

// The triangles' diagonal as w = v, w being u or 1 - u; rotations 0 and 3 are in front where
// w > v, rotations 1 and 2 where w <= v.
double DiagonalW(int rotation, double u) { return rotation == 1 || rotation == 3 ? 1.0 - u : u; }
bool FrontAboveDiagonal(int rotation) { return rotation == 0 || rotation == 3; }

} // namespace

bool CBlock::operator==(const CBlock& other) const
{
    if (m_shape != other.m_shape || m_shapeRotation != other.m_shapeRotation || m_back != other.m_back)
        return false;
    return IsUniform() || m_front == other.m_front;
}

void CBlock::SetMaterial(PackedMaterial& material, int kind, int rotation)
{
    material = Pack(CMaterial::IsValidKind(kind) ? kind : KindOf(material),
                    CMaterial::IsValidRotation(rotation) ? rotation : RotationOf(material));
}

void CBlock::ChangeRotations(int (*rule)(int rotation))
{
    for (PackedMaterial* material : {&m_back, &m_front})
        *material = Pack(KindOf(*material), rule(RotationOf(*material)));
}

void CBlock::Set(int shape, int shapeRotation, int backKind, int backRotation, int frontKind, int frontRotation)
{
    if (IsValidShape(shape))
        m_shape = static_cast<std::uint8_t>(shape);
    if (IsValidShapeRotation(shapeRotation))
        m_shapeRotation = static_cast<std::uint8_t>(shapeRotation);
    SetMaterial(m_back, backKind, backRotation);
    SetMaterial(m_front, frontKind, frontRotation);
}

void CBlock::Rotate(bool withMaterials)
{
    m_shapeRotation = static_cast<std::uint8_t>((m_shapeRotation + 1) % 4);
    if (withMaterials) {
        ChangeRotations(CMaterial::RotateRotation);
    }
}

void CBlock::FlipHorizontal()
{
    if (m_shape == Triangle || m_shape == QuarterDisc)
        m_shapeRotation = static_cast<std::uint8_t>(3 - m_shapeRotation);
    else if (m_shape == HalfDisc && m_shapeRotation % 2 == 0)
        m_shapeRotation = static_cast<std::uint8_t>(2 - m_shapeRotation);
    ChangeRotations(CMaterial::FlipRotationHorizontally);
}

void CBlock::FlipVertical()
{
    if (m_shape == Triangle || m_shape == QuarterDisc)
        m_shapeRotation ^= 1; // 0 <-> 1, 2 <-> 3
    else if (m_shape == HalfDisc && m_shapeRotation % 2 == 1)
        m_shapeRotation = static_cast<std::uint8_t>(4 - m_shapeRotation);
    ChangeRotations(CMaterial::FlipRotationVertically);
}

bool CBlock::IsBackAt(double u, double v) const
{
    return IsUniform() || !IsInFrontRegion(m_shape, m_shapeRotation, u, v);
}

bool CBlock::IsInFrontRegion(int shape, int rotation, double u, double v)
{
    if (shape == Triangle) {
        const double w = DiagonalW(rotation, u);
        return FrontAboveDiagonal(rotation) ? w > v : w <= v;
    }
    CDisc disc;
    if (!FindFrontDisc(shape, rotation, disc))
        return false;
    const double du = disc.cu - u;
    const double dv = disc.cv - v;
    return du * du + dv * dv <= disc.radius * disc.radius;
}

bool CBlock::FindFrontEdge(int shape, int rotation, CFrontEdge& edge)
{
    edge = {};
    if (shape == Triangle) {
        edge.flipped = DiagonalW(rotation, 0.0) == 1.0;
        edge.frontAbove = FrontAboveDiagonal(rotation);
        return true;
    }
    CDisc disc;
    if (!FindFrontDisc(shape, rotation, disc))
        return false;
    edge.round = true;
    edge.cu = disc.cu;
    edge.cv = disc.cv;
    edge.radius = disc.radius;
    return true;
}

double CBlock::DistanceToFrontEdge(int shape, int rotation, double u, double v)
{
    if (shape == Triangle) {
        const double w = DiagonalW(rotation, u);
        return (FrontAboveDiagonal(rotation) ? v - w : w - v) / std::numbers::sqrt2;
    }
    CDisc disc;
    if (!FindFrontDisc(shape, rotation, disc))
        return std::numeric_limits<double>::infinity();
    const double du = disc.cu - u;
    const double dv = disc.cv - v;
    return std::sqrt(du * du + dv * dv) - disc.radius;
}
