#pragma once
#include "render/Colour.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CBrush;

// What the ground of one region of a cell is made of.
enum MaterialKind : std::int32_t { Grass = 0, Wall = 1, Ice = 2, Hole = 3, Sand = 4, Water = 5 };

// Material rotation 8: flat ground. Rotations 0..7 are slope directions in eighth turns,
// counter-clockwise on screen from east (0 east, 2 north, 4 west, 6 south).
constexpr int NoSlope = 8;

// One material: a kind and a slope direction. Only those two fields are the material's value;
// the brush, the shaded colour and the sloped flag are a drawing cache built by CreateBrush.
class CMaterial {
public:
    CMaterial();
    // Kind and rotation as SetKind and SetRotation take them: invalid values keep the defaults.
    CMaterial(int kind, int rotation);
    CMaterial(const CMaterial& other);
    CMaterial& operator=(const CMaterial& other);
    virtual ~CMaterial();

    bool operator==(const CMaterial& other) const
    {
        return m_kind == other.m_kind && m_rotation == other.m_rotation;
    }

    int GetKind() const { return m_kind; }
    int GetRotation() const { return m_rotation; }
    void SetKind(int kind);
    void SetRotation(int rotation);
    void Swap(CMaterial& other);

    // Quarter turn clockwise on screen, left-right and top-bottom mirror of the slope direction.
    void Rotate();
    void FlipHorizontal();
    void FlipVertical();

    bool IsWall() const { return m_kind == Wall; }
    double GetFriction() const;
    double GetWallFactor() const { return 0.19; }
    double GetSlopeX() const;
    double GetSlopeY() const;

    std::string ToCode() const;
    void AppendCode(std::string& out) const;
    bool FromCode(std::string_view text);

    // Rebuilds the brush from the kind and rotation: solid for flat ground, hatched over a
    // shaded colour for slopes. The material owns the brush until DeleteBrush.
    CBrush* CreateBrush();
    CBrush* GetBrush() const { return m_brush.get(); }
    void DeleteBrush();
    Colour GetColour() const { return m_colour; }
    bool IsSloped() const { return m_sloped; }

    static bool IsValidKind(int kind);
    static bool IsValidRotation(int rotation) { return rotation >= 0 && rotation < 9; }
    static int GetKindCount() { return 6; }
    static int GetKindByIndex(int index);
    static Colour GetBaseColour(int kind);
    static double GetSlopeMagnitude();

    // The material of a valid kind and rotation: one shared constant for each of the 54 values.
    // Blocks keep their materials packed and hand them out as these.
    static const CMaterial& Get(int kind, int rotation);
    // The rotation rules of Rotate, FlipHorizontal and FlipVertical, for packed materials.
    static int RotateRotation(int rotation);
    static int FlipRotationHorizontally(int rotation);
    static int FlipRotationVertically(int rotation);

private:
    std::unique_ptr<CBrush> m_brush;
    std::int32_t m_kind = Grass;
    std::int32_t m_rotation = NoSlope;
    bool m_sloped = false;
    Colour m_colour = 0;
};
