#pragma once
#include "model/Block.h"
#include "sim/PortableMath.h"

class CLevel;

// The cells within a ball's reach: for a radius r below 0.45 every point within r of the centre
// (x, y), as rounded, lies in the 2 x 2 cells from the cell of (x - r, y - r). Each is looked up
// and classified once (no wall, all wall, wall in part; cup ground or not) for as many steps as
// the ball stays in the same four cells. Outside the level counts as wall, as the level's point
// queries answer there. The level must not change while the cells are kept (Forget).
class CReach {
public:
    struct CCell {
        const CBlock* block; // null outside the level
        WallCover cover;
        // With wall in part: the front region is the wall (else the rest of the cell is), and
        // the edge between the two.
        bool frontIsWall;
        double left;
        double top;
        CBlock::CFrontEdge edge;
    };

    // The cells for a ball at (x, y) of radius r: the same as before while they are, none (not
    // mapped) far outside the level or with a radius of 0.45 or more or a coordinate that is
    // not a number.
    void Update(const CLevel& level, double x, double y, double radius);
    void Forget() { m_mapped = false; }

    bool IsMapped() const { return m_mapped; }
    double GetMidX() const { return m_midX; }
    double GetMidY() const { return m_midY; }
    // The cell of a point within reach: column + 2 x row.
    unsigned CellOf(double px, double py) const
    {
        return static_cast<unsigned>(px >= m_midX) | static_cast<unsigned>(py >= m_midY) << 1;
    }
    const CCell& operator[](unsigned cell) const { return m_cells[cell]; }
    // Cells by bit (column + 2 x row): wall everywhere, and wall anywhere.
    unsigned GetAllWall() const { return m_allWall; }
    unsigned GetAnyWall() const { return m_anyWall; }
    // Some cell has cup ground.
    bool HasCup() const { return m_cup; }
    // Every cell with wall lies farther than the distance from the point, with room to spare
    // for rounding: no rim or bisection point of a ball of that radius there can be wall.
    bool IsWallBeyond(double px, double py, double distance) const;
    // The point lies in the four cells.
    bool Holds(double px, double py) const
    {
        return m_mapped && px >= m_left && px < m_midX + 1.0 && py >= m_top && py < m_midY + 1.0;
    }
    // The material under a point the cells hold, as CLevel::FindMaterialAt gives it: null
    // outside the level.
    const CMaterial* FindMaterialAt(double px, double py) const
    {
        const CCell& cell = m_cells[CellOf(px, py)];
        return cell.block ? &cell.block->GetMaterialAt(px - cell.left, py - cell.top) : nullptr;
    }

private:
    const CLevel* m_level = nullptr;
    bool m_mapped = false;
    double m_left = 0.0;
    double m_top = 0.0;
    double m_midX = 0.0;
    double m_midY = 0.0;
    CCell m_cells[4] = {};
    unsigned m_allWall = 0;
    unsigned m_anyWall = 0;
    bool m_cup = false;
};

// The nearest wall on the half of a ball's rim that faces its heading.
struct CRimContact {
    bool found = false;
    // The angle from the heading to the ray that met the wall nearest the centre.
    double delta = 0.0;
    // The facing, sin(pi / 2 + delta), of the ray of the last bisection step that met a wall,
    // times that wall's factor; 0 when no step met one.
    double loss = 0.0;
};

// The wall scan of one step. 201 rays leave the centre at -pi/2 to pi/2 from the heading, in
// steps of pi/200 accumulated. Where a ray's rim point is wall, the distance to the wall along it
// is bisected: at most 20 halvings, stopping once the ray cannot come closer than the nearest
// wall found so far. The contact is the first ray with the smallest midpoint; the loss comes from
// the last bisection step, over all rays in order, that met a wall.
//
// The result is, bit for bit, what asking the level's point queries about every rim point and
// every bisection point in that order gives. The scan leaves out only work whose outcome is
// certain:
// - The ball reaches into at most 2 x 2 cells, each classified once as no wall, all wall or wall
//   in part (only points in the last kind need the block's shape test).
// - Rim points are first estimated from the heading's sine and cosine and tables of the rays'
//   angles, to far better than a margin of 1e-7. A ray whose estimated rim point lies farther
//   than the margin from any wall (judged by cells, and within a cell with wall in part by the
//   circle or diagonal of its shape) cannot meet one, nor can the next rays as long as the rim
//   point cannot have moved that far.
// - When every ray that meets a wall crosses one cell edge from no wall into all wall, the
//   estimates bound where each ray meets the wall. Only the rays that may be the nearest are
//   bisected exactly; the loss is settled from the last ray backward, simulating a ray's
//   bisection where every step is certain from the bounds. Anything less clear-cut takes the
//   plain order, ray by ray.
class CRimScan {
public:
    // reach: updated for the ball (CReach::Update); forward: the heading's sine and cosine when
    // known already.
    CRimScan(const CLevel& level, const CReach& reach, double x, double y, double radius, double heading,
             const CSinCos* forward = nullptr);

    CRimContact Scan() const;

private:
    struct CRun;
    struct CCrossing;

    // Every ray that may meet a wall, in order, with the estimates of its direction and rim
    // point; stops when visit returns false, and then returns false.
    template <typename Visit>
    bool VisitNearRays(const Visit& visit) const;
    CRimContact ScanInOrder() const;
    // The scan by crossings; false when the estimates cannot settle it and the plain order must.
    bool ScanCrossings(CRimContact& contact) const;
    // The ground along an estimated ray from the centre to the rim point, where the estimates
    // settle it (else false): whether the rim point is wall, and then that the ray's points are
    // wall exactly from some distance in (tLo, tHi] on.
    bool FindCrossing(double dirX, double dirY, bool& wall, double& tLo, double& tHi) const;
    CRimContact Contact(int bestRay, int lossRay, const CRun& lossRun) const;
    // The exact rim test and bisection of one ray, stopping once lo reaches limit; false when
    // the rim point is not wall.
    bool RunRay(int ray, double limit, CRun& run) const;
    template <typename IsWallAt>
    bool Bisect(const IsWallAt& isWallAt, double limit, CRun& run) const;
    unsigned CellOf(double px, double py) const { return m_reach.CellOf(px, py); }
    // At least how far the point, in a cell that is not all wall, is from any wall.
    double Clearance(unsigned cell, double px, double py) const;
    bool IsWallInCells(double px, double py) const;

    const CLevel& m_level;
    const CReach& m_reach;
    const double m_x;
    const double m_y;
    const double m_radius;
    const double m_heading;
    const CSinCos* m_forward;
    // The cells within reach are used, split at m_midX and m_midY; the centre's cell; set only
    // when m_mapped.
    bool m_mapped = false;
    // Rim points may be estimated (a heading and coordinates of moderate size).
    bool m_estimable = false;
    double m_midX = 0.0;
    double m_midY = 0.0;
    unsigned m_centreCell = 0;
    // Cells by bit (column + 2 * row): wall everywhere, and wall anywhere.
    unsigned m_allWall = 0;
    unsigned m_anyWall = 0;
};
