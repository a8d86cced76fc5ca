#pragma once
#include "model/Material.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

class CDeviceContext;

// The shape that splits a cell into a back region and a front region.
enum BlockShape : std::int32_t { Solid = 0, Circle = 1, Triangle = 2, QuarterDisc = 3, HalfDisc = 4 };

// Where a block is wall: nowhere, in part of the cell (its shape decides which points), or
// everywhere.
enum class WallCover { None, Part, All };

// One cell of a level: a shape turned in quarter turns, a back material that covers the cell
// outside the shape's front region, and a front material that covers the front region.
// A block is a plain value of four bytes (each material packed into one), so that a level's grid
// holds its cells side by side: a million of them take 4 MB, and copying a level copies bytes.
class CBlock {
public:
    void Reset() { *this = CBlock(); }
    // A uniform block shows only its back material; an empty block is uniform flat grass.
    bool IsUniform() const { return m_shape == Solid || m_back == m_front; }
    bool IsEmpty() const { return IsUniform() && m_back == kFlatGrass; }

    // One-sided: the front materials are compared only when this (left-hand) block is not uniform.
    bool operator==(const CBlock& other) const;
    bool operator!=(const CBlock& other) const { return !(*this == other); }
    // All six values equal, the front material of a uniform block too.
    bool IsIdentical(const CBlock& other) const
    {
        return m_shape == other.m_shape && m_shapeRotation == other.m_shapeRotation && m_back == other.m_back &&
               m_front == other.m_front;
    }

    // Stores each of the six values only when it is valid; pass -1 to keep a field.
    void Set(int shape, int shapeRotation, int backKind, int backRotation, int frontKind, int frontRotation);
    void SwapMaterials() { std::swap(m_back, m_front); }
    void Rotate(bool withMaterials);
    void FlipHorizontal();
    void FlipVertical();

    int GetShape() const { return m_shape; }
    int GetShapeRotation() const { return m_shapeRotation; }
    int GetBackKind() const { return KindOf(m_back); }
    int GetBackRotation() const { return RotationOf(m_back); }
    int GetFrontKind() const { return KindOf(m_front); }
    int GetFrontRotation() const { return RotationOf(m_front); }
    const CMaterial& GetBack() const { return CMaterial::Get(GetBackKind(), GetBackRotation()); }
    const CMaterial& GetFront() const { return CMaterial::Get(GetFrontKind(), GetFrontRotation()); }

    // Point queries at (u, v) in the cell, each 0..1 from the top-left corner.
    bool IsBackAt(double u, double v) const;
    int GetKindAt(double u, double v) const { return KindOf(MaterialAt(u, v)); }
    bool IsWallAt(double u, double v) const { return GetKindAt(u, v) == Wall; }
    // IsWallAt over the whole cell: None and All give the same answer at every point.
    WallCover GetWallCover() const
    {
        const bool backWall = GetBackKind() == Wall;
        if (!IsUniform() && (GetFrontKind() == Wall) != backWall)
            return WallCover::Part;
        return backWall ? WallCover::All : WallCover::None;
    }
    double GetFrictionAt(double u, double v) const { return GetMaterialAt(u, v).GetFriction(); }
    // The material under (u, v): one of the shared constants of CMaterial::Get.
    const CMaterial& GetMaterialAt(double u, double v) const
    {
        const PackedMaterial material = MaterialAt(u, v);
        return CMaterial::Get(KindOf(material), RotationOf(material));
    }
    double GetWallFactorAt(double u, double v) const { return GetMaterialAt(u, v).GetWallFactor(); }
    double GetSlopeXAt(double u, double v) const { return GetMaterialAt(u, v).GetSlopeX(); }
    double GetSlopeYAt(double u, double v) const { return GetMaterialAt(u, v).GetSlopeY(); }

    // The block code of the level file: "$", or shape letter, rotation digit, back material code
    // and, for shapes other than Solid, the front material code.
    std::string ToCode() const;
    void AppendCode(std::string& out) const;
    bool FromCode(std::string_view text);
    // Whether the text is a block code exactly as the writer makes one: "$", or a shape letter, a
    // shape rotation 0 to 3, the back material's kind letter and rotation 0 to 8, and unless the
    // shape is solid the front material's. FromCode reads more, taking defaults where it must.
    static bool IsWellFormedCode(std::string_view text);

    // Paints the block into the size x size pixel square at (x, y). The materials' brushes are
    // built on copies, so drawing leaves the block as it was.
    void Draw(CDeviceContext& dc, int x, int y, int size) const;

    static bool IsValidShape(int shape) { return shape >= Solid && shape <= HalfDisc; }
    static bool IsValidShapeRotation(int rotation) { return rotation >= 0 && rotation < 4; }
    // Whether (u, v) lies in the front region of the shape, regardless of the materials.
    static bool IsInFrontRegion(int shape, int rotation, double u, double v);
    // The circle or diagonal that bounds a shape's front region: a round one is the disc of
    // centre (cu, cv) and the radius; a triangle's lies where w > v (frontAbove) or w <= v, w
    // being u, or 1 - u when flipped. False for Solid.
    struct CFrontEdge {
        bool round = false;
        double cu = 0.0;
        double cv = 0.0;
        double radius = 0.0;
        bool flipped = false;
        bool frontAbove = false;
    };
    static bool FindFrontEdge(int shape, int rotation, CFrontEdge& edge);
    // The distance from (u, v) to the circle or diagonal that bounds the shape's front region,
    // positive on the side away from the front: at least the distance to the front region when
    // positive, and to everything outside the circle or diagonal when negative. Infinite for
    // Solid, which has no front region. (Comparisons exactly on the edge are IsInFrontRegion's.)
    static double DistanceToFrontEdge(int shape, int rotation, double u, double v);

private:
    // A material in one byte: the kind (0..5) in the low four bits, the rotation (0..8) above.
    using PackedMaterial = std::uint8_t;
    static constexpr PackedMaterial Pack(int kind, int rotation)
    {
        return static_cast<PackedMaterial>(kind | rotation << 4);
    }
    static constexpr int KindOf(PackedMaterial material) { return material & 0x0F; }
    static constexpr int RotationOf(PackedMaterial material) { return material >> 4; }
    static constexpr PackedMaterial kFlatGrass = Grass | NoSlope << 4;
    // Stores the valid ones of kind and rotation into material (-1 or any invalid value keeps).
    static void SetMaterial(PackedMaterial& material, int kind, int rotation);
    // Gives both materials the rotation that rule makes of theirs.
    void ChangeRotations(int (*rule)(int rotation));

    PackedMaterial MaterialAt(double u, double v) const { return IsBackAt(u, v) ? m_back : m_front; }

    std::uint8_t m_shape = Solid;
    std::uint8_t m_shapeRotation = 0;
    PackedMaterial m_back = kFlatGrass;
    PackedMaterial m_front = kFlatGrass;
};
