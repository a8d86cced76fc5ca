#include "model/Block.h"

namespace {

bool InDisc(double cu, double cv, double radius, double u, double v)
{
    const double du = cu - u;
    const double dv = cv - v;
    return du * du + dv * dv <= radius * radius;
}

} // namespace

void CBlock::Reset()
{
    m_back.SetKind(Grass);
    m_back.SetRotation(NoSlope);
    m_front.SetKind(Grass);
    m_front.SetRotation(NoSlope);
    m_shape = Solid;
    m_shapeRotation = 0;
}

bool CBlock::operator==(const CBlock& other) const
{
    if (m_shape != other.m_shape || m_shapeRotation != other.m_shapeRotation || !(m_back == other.m_back))
        return false;
    return IsUniform() || m_front == other.m_front;
}

void CBlock::Set(int shape, int shapeRotation, int backKind, int backRotation, int frontKind, int frontRotation)
{
    if (IsValidShape(shape))
        m_shape = shape;
    if (IsValidShapeRotation(shapeRotation))
        m_shapeRotation = shapeRotation;
    m_back.SetKind(backKind);
    m_back.SetRotation(backRotation);
    m_front.SetKind(frontKind);
    m_front.SetRotation(frontRotation);
}

void CBlock::Rotate(bool withMaterials)
{
    m_shapeRotation = (m_shapeRotation + 1) % 4;
    if (withMaterials) {
        m_back.Rotate();
        m_front.Rotate();
    }
}

void CBlock::FlipHorizontal()
{
    if (m_shape == Triangle || m_shape == QuarterDisc)
        m_shapeRotation = 3 - m_shapeRotation;
    else if (m_shape == HalfDisc && m_shapeRotation % 2 == 0)
        m_shapeRotation = 2 - m_shapeRotation;
    m_back.FlipHorizontal();
    m_front.FlipHorizontal();
}

void CBlock::FlipVertical()
{
    if (m_shape == Triangle || m_shape == QuarterDisc)
        m_shapeRotation ^= 1; // 0 <-> 1, 2 <-> 3
    else if (m_shape == HalfDisc && m_shapeRotation % 2 == 1)
        m_shapeRotation = 4 - m_shapeRotation;
    m_back.FlipVertical();
    m_front.FlipVertical();
}

bool CBlock::IsBackAt(double u, double v) const
{
    return IsUniform() || !IsInFrontRegion(m_shape, m_shapeRotation, u, v);
}

bool CBlock::IsInFrontRegion(int shape, int rotation, double u, double v)
{
    switch (shape) {
    case Circle:
        return InDisc(0.5, 0.5, 0.5, u, v);
    case Triangle: {
        // One line test: w = a u + b; rotations 0 and 3 take w > v, rotations 1 and 2 w <= v.
        const bool rising = rotation == 1 || rotation == 3;
        const double w = rising ? 1.0 - u : u;
        return (rotation == 0 || rotation == 3) ? w > v : w <= v;
    }
    case QuarterDisc: {
        static constexpr double kCorner[4][2] = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};
        return InDisc(kCorner[rotation & 3][0], kCorner[rotation & 3][1], 1.0, u, v);
    }
    case HalfDisc: {
        static constexpr double kCentre[4][2] = {{1, 0.5}, {0.5, 1}, {0, 0.5}, {0.5, 0}};
        return InDisc(kCentre[rotation & 3][0], kCentre[rotation & 3][1], 0.5, u, v);
    }
    default:
        return false;
    }
}
