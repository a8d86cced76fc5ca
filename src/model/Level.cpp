#include "model/Level.h"

#include <algorithm>
#include <cmath>

namespace {

std::string WithoutBraces(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (char ch : text)
        if (ch != '{' && ch != '}')
            result += ch;
    return result;
}

} // namespace

CLevel::CLevel() { Init(10, 10, "", ""); }

CLevel::CLevel(const CLevel& other) { *this = other; }

CLevel& CLevel::operator=(const CLevel& other)
{
    if (this == &other)
        return *this;
    m_grid = other.m_grid;
    m_ballX = other.m_ballX;
    m_ballY = other.m_ballY;
    m_name = other.m_name;
    m_creator = other.m_creator;
    m_id = other.m_id;
    m_modified = other.m_modified;
    return *this;
}

bool CLevel::IsAllowedSize(int width, int height)
{
    return std::max<std::int64_t>(width, 1) * std::max<std::int64_t>(height, 1) <= kMaxCells;
}

void CLevel::Init(int width, int height, const std::string& name, const std::string& creator)
{
    if (!Resize(width, height))
        return;
    SetCreator(creator);
    SetName(name);
    m_ballX = width / 2.0;
    m_ballY = height / 2.0;
    m_modified = false;
}

bool CLevel::Resize(int width, int height)
{
    if (!IsAllowedSize(width, height))
        return false;
    m_grid.SetSize(width, height);
    ClampBall();
    m_modified = true;
    return true;
}

void CLevel::Clear()
{
    for (int x = 0; x < GetWidth(); ++x)
        for (int y = 0; y < GetHeight(); ++y)
            m_grid.At(x, y).Reset();
    m_modified = true;
}

CBlock CLevel::GetBlock(int x, int y) const { return IsInside(x, y) ? m_grid.At(x, y) : CBlock(); }

void CLevel::SetBlock(int x, int y, const CBlock& block)
{
    SetBlock(x, y, block.GetShape(), block.GetShapeRotation(), block.GetBackKind(), block.GetBackRotation(),
             block.GetFrontKind(), block.GetFrontRotation());
}

void CLevel::SetBlock(int x, int y, int shape, int shapeRotation, int backKind, int backRotation, int frontKind,
                      int frontRotation)
{
    if (!IsInside(x, y))
        return;
    m_grid.At(x, y).Set(shape, shapeRotation, backKind, backRotation, frontKind, frontRotation);
    m_modified = true;
}

void CLevel::FillRect(int x1, int y1, int x2, int y2, const CBlock& block)
{
    FillRect(x1, y1, x2, y2, block.GetShape(), block.GetShapeRotation(), block.GetBackKind(),
             block.GetBackRotation(), block.GetFrontKind(), block.GetFrontRotation());
}

void CLevel::FillRect(int x1, int y1, int x2, int y2, int shape, int shapeRotation, int backKind, int backRotation,
                      int frontKind, int frontRotation)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (!IsInside(x1, y1) || !IsInside(x2, y2))
        return;
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y)
            m_grid.At(x, y).Set(shape, shapeRotation, backKind, backRotation, frontKind, frontRotation);
    m_modified = true;
}

void CLevel::DrawFrame(int x1, int y1, int x2, int y2, const CBlock& block)
{
    DrawFrame(x1, y1, x2, y2, block.GetShape(), block.GetShapeRotation(), block.GetBackKind(),
              block.GetBackRotation(), block.GetFrontKind(), block.GetFrontRotation());
}

void CLevel::DrawFrame(int x1, int y1, int x2, int y2, int shape, int shapeRotation, int backKind,
                       int backRotation, int frontKind, int frontRotation)
{
    const int values[6] = {shape, shapeRotation, backKind, backRotation, frontKind, frontRotation};
    auto edge = [&](int ax, int ay, int bx, int by) {
        FillRect(ax, ay, bx, by, values[0], values[1], values[2], values[3], values[4], values[5]);
    };
    edge(x1, y1, x1, y2);
    edge(x1, y1, x2, y1);
    edge(x2, y2, x1, y2);
    edge(x2, y2, x2, y1);
}

void CLevel::RotateBlock(int x, int y, bool withMaterials)
{
    if (!IsInside(x, y))
        return;
    m_grid.At(x, y).Rotate(withMaterials);
    m_modified = true;
}

int CLevel::GetCellShape(int x, int y) const { return IsInside(x, y) ? m_grid.At(x, y).GetShape() : -1; }
int CLevel::GetCellBackKind(int x, int y) const { return IsInside(x, y) ? m_grid.At(x, y).GetBackKind() : -1; }
int CLevel::GetCellBackRotation(int x, int y) const
{
    return IsInside(x, y) ? m_grid.At(x, y).GetBackRotation() : -1;
}
int CLevel::GetCellFrontKind(int x, int y) const { return IsInside(x, y) ? m_grid.At(x, y).GetFrontKind() : -1; }
int CLevel::GetCellFrontRotation(int x, int y) const
{
    return IsInside(x, y) ? m_grid.At(x, y).GetFrontRotation() : -1;
}

void CLevel::SetName(const std::string& text)
{
    const std::string name = WithoutBraces(text);
    if (name == m_name)
        return;
    m_name = name;
    m_modified = true;
}

void CLevel::SetCreator(const std::string& text)
{
    m_creator = WithoutBraces(text);
    m_modified = true;
}

void CLevel::SetBall(double x, double y)
{
    m_ballX = x;
    m_ballY = y;
    ClampBall();
    m_modified = true;
}

void CLevel::ClampBall()
{
    const double r = kBallRadius;
    const double width = GetWidth();
    const double height = GetHeight();
    if (std::isnan(m_ballX))
        m_ballX = -r;
    if (std::isnan(m_ballY))
        m_ballY = -r;
    if (m_ballX + r > width) {
        m_ballX = width - r;
        m_modified = true;
    }
    if (m_ballX - r < 0) {
        m_ballX = r;
        m_modified = true;
    }
    if (m_ballY + r > height) {
        m_ballY = height - r;
        m_modified = true;
    }
    if (m_ballY - r < 0) {
        m_ballY = r;
        m_modified = true;
    }
}

bool CLevel::IsPointInside(double px, double py) const
{
    return px >= 0 && px < GetWidth() && py >= 0 && py < GetHeight();
}

bool CLevel::Locate(double px, double py, const CBlock*& block, double& u, double& v) const
{
    // Points left of or above the level fail; so does anything not inside it, which also keeps
    // huge or NaN coordinates away from the integer conversion.
    if (!(px >= 0) || !(py >= 0) || !IsPointInside(px, py))
        return false;
    const int x = static_cast<int>(px);
    const int y = static_cast<int>(py);
    u = px - x;
    v = py - y;
    block = &m_grid.At(x, y);
    return true;
}

template <typename Result>
Result CLevel::QueryAt(double px, double py, Result (CBlock::*query)(double, double) const, Result outside) const
{
    const CBlock* block;
    double u, v;
    return Locate(px, py, block, u, v) ? (block->*query)(u, v) : outside;
}

int CLevel::GetKindAt(double px, double py) const { return QueryAt(px, py, &CBlock::GetKindAt, -1); }
double CLevel::GetFrictionAt(double px, double py) const { return QueryAt(px, py, &CBlock::GetFrictionAt, 0.0); }
double CLevel::GetWallFactorAt(double px, double py) const
{
    return QueryAt(px, py, &CBlock::GetWallFactorAt, 0.19);
}
double CLevel::GetSlopeXAt(double px, double py) const { return QueryAt(px, py, &CBlock::GetSlopeXAt, 0.0); }
double CLevel::GetSlopeYAt(double px, double py) const { return QueryAt(px, py, &CBlock::GetSlopeYAt, 0.0); }
bool CLevel::IsWallAt(double px, double py) const { return QueryAt(px, py, &CBlock::IsWallAt, true); }

const CMaterial* CLevel::FindMaterialAt(double px, double py) const
{
    const CBlock* block;
    double u, v;
    return Locate(px, py, block, u, v) ? &block->GetMaterialAt(u, v) : nullptr;
}
