#pragma once
#include "model/BlockGrid.h"

#include <cstdint>
#include <ctime>
#include <string>

class CArchive;
class CDeviceContext;

// A rectangle of cells; right and bottom are exclusive.
struct CCellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const CCellRect&) const = default;
};

// One level: a grid of blocks, the ball's start position, a name, a creator, an identity string
// and a modified flag. Cells are (column, row) from the top-left; level coordinates are doubles
// in block units, cell (x, y) covering [x, x + 1) x [y, y + 1).
class CLevel {
public:
    static constexpr double kBallRadius = 0.35;
    // The most cells a level may have: 1000 x 1000, or any other shape of as many. No level of
    // the tools gets larger (the reader refuses a larger size before allocating anything, Resize
    // does not make one), so whatever they write they can read back.
    static constexpr std::int64_t kMaxCells = 1'000'000;
    // Whether a width x height level is within kMaxCells (a side of 0 counting as 1).
    static bool IsAllowedSize(int width, int height);

    CLevel();
    CLevel(const CLevel& other);
    CLevel& operator=(const CLevel& other);
    virtual ~CLevel() = default;

    // Size and contents. A size beyond kMaxCells changes nothing (Resize returns false).
    void Init(int width, int height, const std::string& name, const std::string& creator);
    bool Resize(int width, int height);
    int GetWidth() const { return m_grid.GetWidth(); }
    int GetHeight() const { return m_grid.GetHeight(); }
    void Clear();

    // Cells; every operation ignores cells outside the level.
    bool IsInside(int x, int y) const { return x >= 0 && x < GetWidth() && y >= 0 && y < GetHeight(); }
    CBlock GetBlock(int x, int y) const;
    // The cell's own block, null outside; valid until the level's size changes.
    const CBlock* FindBlock(int x, int y) const { return IsInside(x, y) ? &m_grid.At(x, y) : nullptr; }
    void SetBlock(int x, int y, const CBlock& block);
    void SetBlock(int x, int y, int shape, int shapeRotation, int backKind, int backRotation, int frontKind,
                  int frontRotation);
    void FillRect(int x1, int y1, int x2, int y2, const CBlock& block);
    void FillRect(int x1, int y1, int x2, int y2, int shape, int shapeRotation, int backKind, int backRotation,
                  int frontKind, int frontRotation);
    void DrawFrame(int x1, int y1, int x2, int y2, const CBlock& block);
    void DrawFrame(int x1, int y1, int x2, int y2, int shape, int shapeRotation, int backKind, int backRotation,
                   int frontKind, int frontRotation);
    void RotateBlock(int x, int y, bool withMaterials);
    int GetCellShape(int x, int y) const;
    int GetCellBackKind(int x, int y) const;
    int GetCellBackRotation(int x, int y) const;
    int GetCellFrontKind(int x, int y) const;
    int GetCellFrontRotation(int x, int y) const;

    // Properties. Name and creator never hold braces.
    std::string GetName() const { return m_name; }
    std::string GetCreator() const { return m_creator; }
    std::string GetId() const { return m_id; }
    void SetName(const std::string& text);
    void SetCreator(const std::string& text);
    void SetId(const std::string& text) { m_id = text; }
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

    // Ball start, kept inside the level by ClampBall.
    double GetBallX() const { return m_ballX; }
    double GetBallY() const { return m_ballY; }
    void SetBall(double x, double y);
    // Keeps a ball of radius kBallRadius inside the level; a coordinate that is not a number
    // counts as outside on the low side.
    void ClampBall();

    // Point queries in level coordinates; outside the level behaves as wall.
    bool IsPointInside(double px, double py) const;
    int GetKindAt(double px, double py) const;
    double GetFrictionAt(double px, double py) const;
    double GetWallFactorAt(double px, double py) const;
    double GetSlopeXAt(double px, double py) const;
    double GetSlopeYAt(double px, double py) const;
    bool IsWallAt(double px, double py) const;
    // The material under the point, which all the queries above ask; null outside the level.
    const CMaterial* FindMaterialAt(double px, double py) const;

    // Whole-level transformations: quarter turn clockwise, left-right and top-bottom mirror.
    void Rotate90();
    void FlipHorizontal();
    void FlipVertical();

    // Replaces the connected region of blocks equal to the one at (x, y) with the fill block.
    void FloodFill(int x, int y, const CBlock& fill);

    // Whole-level edits: move every block by (dx, dy) cells, the bounding box of the non-empty
    // blocks, and cropping the level to that box. MakeFit returns whether the size changed.
    void Shift(int dx, int dy);
    CCellRect GetUsedArea() const;
    bool MakeFit();

    // The level text and its file.
    std::string WriteText() const;
    bool ReadText(const std::string& text, std::string* whyRejected = nullptr);
    void MakeId();
    void MakeId(const std::tm& localTime);
    // Store rebuilds the identity and writes the text; false (level still modified) when the
    // archive could not take it. Load returns the reader's verdict; when the archive's bytes
    // cannot be read at all it returns false with the level untouched (see CArchive::GetError).
    bool Store(CArchive& archive);
    bool Load(CArchive& archive, std::string* whyRejected = nullptr);
    // Load from the file at path (ReadLevelFileText); false with the level untouched when the
    // file is not a regular file of at most 64 MiB or cannot be read.
    bool LoadFromFile(const std::string& path);

    // Draws every block with its top-left corner at (x0, y0), c pixels a cell, optional grid.
    void Draw(CDeviceContext& dc, int x0, int y0, int c, bool grid) const;

private:
    bool Locate(double px, double py, const CBlock*& block, double& u, double& v) const;
    // The block's answer at the point, or the outside answer where Locate fails.
    template <typename Result>
    Result QueryAt(double px, double py, Result (CBlock::*query)(double, double) const, Result outside) const;

    CBlockGrid m_grid;
    double m_ballX = 0.0;
    double m_ballY = 0.0;
    std::string m_name;
    std::string m_creator;
    std::string m_id;
    bool m_modified = false;
};
