#pragma once
#include "model/Material.h"

#include <cstdint>
#include <string>
#include <string_view>

class CDeviceContext;

// The shape that splits a cell into a back region and a front region.
enum BlockShape : std::int32_t { Solid = 0, Circle = 1, Triangle = 2, QuarterDisc = 3, HalfDisc = 4 };

// Where a block is wall: nowhere, in part of the cell (its shape decides which points), or
// everywhere.
enum class WallCover { None, Part, All };

// One cell of a level: a shape turned in quarter turns, a back material that covers the cell
// outside the shape's front region, and a front material that covers the front region.
class CBlock {
public:
    CBlock() = default;
    CBlock(const CBlock&) = default;
    CBlock& operator=(const CBlock&) = default;
    virtual ~CBlock() = default;

    void Reset();
    // A uniform block shows only its back material; an empty block is uniform flat grass.
    bool IsUniform() const { return m_shape == Solid || m_back == m_front; }
    bool IsEmpty() const { return IsUniform() && m_back.GetKind() == Grass && m_back.GetRotation() == NoSlope; }

    // One-sided: the front materials are compared only when this (left-hand) block is not uniform.
    bool operator==(const CBlock& other) const;
    bool operator!=(const CBlock& other) const { return !(*this == other); }

    // Stores each of the six values only when it is valid; pass -1 to keep a field.
    void Set(int shape, int shapeRotation, int backKind, int backRotation, int frontKind, int frontRotation);
    void SwapMaterials() { m_back.Swap(m_front); }
    void Rotate(bool withMaterials);
    void FlipHorizontal();
    void FlipVertical();

    int GetShape() const { return m_shape; }
    int GetShapeRotation() const { return m_shapeRotation; }
    int GetBackKind() const { return m_back.GetKind(); }
    int GetBackRotation() const { return m_back.GetRotation(); }
    int GetFrontKind() const { return m_front.GetKind(); }
    int GetFrontRotation() const { return m_front.GetRotation(); }
    const CMaterial& GetBack() const { return m_back; }
    const CMaterial& GetFront() const { return m_front; }

    // Point queries at (u, v) in the cell, each 0..1 from the top-left corner.
    bool IsBackAt(double u, double v) const;
    int GetKindAt(double u, double v) const { return MaterialAt(u, v).GetKind(); }
    bool IsWallAt(double u, double v) const { return MaterialAt(u, v).IsWall(); }
    // IsWallAt over the whole cell: None and All give the same answer at every point.
    WallCover GetWallCover() const
    {
        if (!IsUniform() && m_front.IsWall() != m_back.IsWall())
            return WallCover::Part;
        return m_back.IsWall() ? WallCover::All : WallCover::None;
    }
    double GetFrictionAt(double u, double v) const { return MaterialAt(u, v).GetFriction(); }
    const CMaterial& GetMaterialAt(double u, double v) const { return MaterialAt(u, v); }
    double GetWallFactorAt(double u, double v) const { return MaterialAt(u, v).GetWallFactor(); }
    double GetSlopeXAt(double u, double v) const { return MaterialAt(u, v).GetSlopeX(); }
    double GetSlopeYAt(double u, double v) const { return MaterialAt(u, v).GetSlopeY(); }

    // The block code of the level file: "$", or shape letter, rotation digit, back material code
    // and, for shapes other than Solid, the front material code.
    std::string ToCode() const;
    void AppendCode(std::string& out) const;
    bool FromCode(std::string_view text);

    // Paints the block into the size x size pixel square at (x, y). The materials' brushes are
    // built on copies, so drawing leaves the block as it was.
    void Draw(CDeviceContext& dc, int x, int y, int size) const;

    static bool IsValidShape(int shape) { return shape >= Solid && shape <= HalfDisc; }
    static bool IsValidShapeRotation(int rotation) { return rotation >= 0 && rotation < 4; }
    // Whether (u, v) lies in the front region of the shape, regardless of the materials.
    static bool IsInFrontRegion(int shape, int rotation, double u, double v);
    // The distance from (u, v) to the circle or diagonal that bounds the shape's front region,
    // positive on the side away from the front: at least the distance to the front region when
    // positive, and to everything outside the circle or diagonal when negative. Infinite for
    // Solid, which has no front region. (Comparisons exactly on the edge are IsInFrontRegion's.)
    static double DistanceToFrontEdge(int shape, int rotation, double u, double v);

private:
    const CMaterial& MaterialAt(double u, double v) const { return IsBackAt(u, v) ? m_back : m_front; }

    CMaterial m_back;
    CMaterial m_front;
    std::int32_t m_shape = Solid;
    std::int32_t m_shapeRotation = 0;
};
