#include "sim/RimScan.h"

#include "model/Level.h"
#include "sim/PortableMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double s_pi = std::numbers::pi;
constexpr int kRayCount = 201;
constexpr int kHalvings = 20;

// How far an estimated rim or bisection point may be from the exact one, with room to spare: for
// headings up to kEstimatedHeading and coordinates up to kEstimatedCoordinate the two differ by
// less than 1e-9 (the rounding of the heading plus the ray's angle, of the sines and cosines and
// of the coordinates).
constexpr double kMargin = 1e-7;
constexpr double kEstimatedHeading = 1024.0;
constexpr double kEstimatedCoordinate = 0x1p20;
// More than the angle between two neighbouring rays, pi / 200 as accumulated.
constexpr double kRayStep = 0.0158;

// The rays of every scan, computed once with the very expressions of the plain scan: the angles
// from the heading, accumulated step by step from -pi/2 (the 201st, pi/2 as accumulated, is the
// last not above pi/2), and their facing sin(pi / 2 + delta). The cosine and sine of each angle
// serve the estimates only.
struct CRays {
    std::array<double, kRayCount> delta;
    std::array<double, kRayCount> facing;
    std::array<double, kRayCount> cos;
    std::array<double, kRayCount> sin;
};

CRays MakeRays()
{
    CRays made{};
    double delta = -s_pi / 2;
    for (int ray = 0; ray < kRayCount; ++ray, delta += s_pi / 200) {
        made.delta[ray] = delta;
        made.facing[ray] = PortableSin(s_pi / 2 + delta);
        const CSinCos direction = PortableSinCos(delta);
        made.cos[ray] = direction.cos;
        made.sin[ray] = direction.sin;
    }
    return made;
}

// Made before main runs; no ball steps before that.
const CRays s_rays = MakeRays();

// What the bisection of a ray from 0 to radius, stopping once lo reaches limit, meets when its
// points are wall exactly from some T in (tLo, tHi] on: a wall in some step, none, or what the
// bounds cannot tell.
enum class Outcome { Miss, Hit, Unsure };

Outcome Foresee(double tLo, double tHi, double radius, double limit)
{
    // Until the first step that meets the wall, hi stays at the radius.
    double lo = 0.0;
    for (int i = 0; i < kHalvings && lo < limit; ++i) {
        const double mid = (lo + radius) / 2;
        if (mid >= tHi)
            return Outcome::Hit;
        if (mid > tLo)
            return Outcome::Unsure;
        lo = mid;
    }
    return Outcome::Miss;
}

} // namespace

// One ray's exact bisection: its direction, the final bracket and whether a step met a wall.
struct CRimScan::CRun {
    double dx = 0.0;
    double dy = 0.0;
    double lo = 0.0;
    double hi = 0.0;
    bool hit = false;
};

// A ray whose bisection points are wall exactly from some distance T from the centre on, with
// tLo < T <= tHi.
struct CRimScan::CCrossing {
    int ray;
    double tLo;
    double tHi;
};

CRimScan::CRimScan(const CLevel& level, double x, double y, double radius, double heading)
    : m_level(level), m_x(x), m_y(y), m_radius(radius), m_heading(heading)
{
    // Every point the scan probes lies in the square from (x - r, y - r) to (x + r, y + r), as
    // rounded, since no sine or cosine exceeds 1: with r below 0.45 that is within the 2 x 2
    // cells from the cell of (x - r, y - r). Far outside the level, or with a radius, a
    // coordinate or a heading that is not a number, the scan asks the level at every point.
    if (!(radius >= 0.0 && radius < 0.45) || !std::isfinite(heading))
        return;
    m_left = std::floor(x - radius);
    m_top = std::floor(y - radius);
    if (!(m_left >= -2.0 && m_left <= level.GetWidth() + 1.0 && m_top >= -2.0 && m_top <= level.GetHeight() + 1.0))
        return;
    m_midX = m_left + 1.0;
    m_midY = m_top + 1.0;
    m_centreCell = CellOf(x, y);
    // Outside the level is wall, as the level's point queries answer there. Most steps meet no
    // wall material at all: the cells are looked at closer only when they hold some.
    const CBlock* blocks[4];
    bool wallMaterial = false;
    for (unsigned i = 0; i < 4; ++i) {
        blocks[i] = level.FindBlock(static_cast<int>(m_left) + static_cast<int>(i & 1),
                                    static_cast<int>(m_top) + static_cast<int>(i >> 1));
        wallMaterial = wallMaterial || !blocks[i] || blocks[i]->GetBackKind() == Wall ||
                       blocks[i]->GetFrontKind() == Wall;
    }
    m_mapped = true;
    m_estimable = std::fabs(heading) <= kEstimatedHeading && std::fabs(x) <= kEstimatedCoordinate &&
                  std::fabs(y) <= kEstimatedCoordinate;
    if (!wallMaterial)
        return;
    for (unsigned i = 0; i < 4; ++i) {
        const WallCover cover = blocks[i] ? blocks[i]->GetWallCover() : WallCover::All;
        m_cells[i] = {blocks[i], cover, blocks[i] && blocks[i]->GetFrontKind() == Wall, m_left + (i & 1),
                      m_top + (i >> 1)};
        if (cover == WallCover::All)
            m_allWall |= 1u << i;
        if (cover != WallCover::None)
            m_anyWall |= 1u << i;
    }
}

CRimContact CRimScan::Scan() const
{
    if (m_mapped && m_anyWall == 0)
        return {};
    CRimContact contact;
    if (m_estimable && ScanCrossings(contact))
        return contact;
    return ScanInOrder();
}

template <typename Visit>
bool CRimScan::VisitNearRays(const Visit& visit) const
{
    const CSinCos forward = PortableSinCos(m_heading);
    // From one ray to the next the rim point moves by at most this much.
    const double stride = m_radius * kRayStep;
    for (int ray = 0; ray < kRayCount; ++ray) {
        const double dirX = forward.cos * s_rays.cos[ray] - forward.sin * s_rays.sin[ray];
        const double dirY = forward.sin * s_rays.cos[ray] + forward.cos * s_rays.sin[ray];
        const double rimX = m_x + m_radius * dirX;
        const double rimY = m_y + m_radius * dirY;
        const unsigned cell = CellOf(rimX, rimY);
        if ((m_allWall >> cell & 1) == 0) {
            const double clearance = Clearance(cell, rimX, rimY);
            if (clearance > kMargin) {
                // This ray and the next ones whose rim points cannot have come near a wall yet.
                const double clearRays = (clearance - kMargin) / stride;
                ray += clearRays >= kRayCount ? kRayCount : static_cast<int>(clearRays);
                continue;
            }
        }
        if (!visit(ray, dirX, dirY, rimX, rimY))
            return false;
    }
    return true;
}

CRimContact CRimScan::ScanInOrder() const
{
    double best = 100.0;
    int bestRay = -1;
    int lossRay = -1;
    CRun lossRun;
    const auto scanRay = [&](int ray) {
        CRun run;
        if (!RunRay(ray, best, run))
            return true;
        if (run.hit) {
            lossRay = ray;
            lossRun = run;
        }
        const double m = (run.lo + run.hi) / 2;
        if (m < best) {
            best = m;
            bestRay = ray;
        }
        return true;
    };
    if (m_estimable)
        VisitNearRays([&](int ray, double, double, double, double) { return scanRay(ray); });
    else
        for (int ray = 0; ray < kRayCount; ++ray)
            scanRay(ray);
    return Contact(bestRay, lossRay, lossRun);
}

bool CRimScan::ScanCrossings(CRimContact& contact) const
{
    std::array<CCrossing, kRayCount> crossings;
    int count = 0;
    const bool clearCut = VisitNearRays([&](int ray, double dirX, double dirY, double rimX, double rimY) {
        if (std::fabs(rimX - m_midX) <= kMargin || std::fabs(rimY - m_midY) <= kMargin)
            return false;
        const unsigned rim = CellOf(rimX, rimY);
        if ((m_anyWall >> rim & 1) == 0)
            return true;
        // The rim point is wall: all wall in its cell, and no wall at all in the centre's cell,
        // one column or one row away, or the plain order decides.
        const unsigned changed = rim ^ m_centreCell;
        if ((m_allWall >> rim & 1) == 0 || (m_anyWall >> m_centreCell & 1) != 0 || (changed != 1 && changed != 2))
            return false;
        const double gap = changed == 1 ? m_midX - m_x : m_midY - m_y;
        const double direction = changed == 1 ? dirX : dirY;
        const double crossing = gap / direction;
        const double slack = kMargin / std::fabs(direction);
        crossings[count++] = {ray, crossing - slack, crossing + slack};
        return true;
    });
    if (!clearCut)
        return false;
    if (count == 0) {
        contact = {};
        return true;
    }

    // A full bisection ends with a bracket of at most r / 2^20 (and a few units in the last
    // place) around the crossing, so its midpoint lies within spread of it. Only the rays that
    // may end nearest are bisected exactly; the first with the smallest midpoint is the contact.
    const double spread = m_radius * 0x1p-19;
    double nearest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < count; ++i)
        nearest = std::min(nearest, crossings[i].tHi + spread);
    double best = 100.0;
    int bestRay = -1;
    CRun bestRun;
    for (int i = 0; i < count; ++i) {
        if (crossings[i].tLo - spread > nearest)
            continue;
        // The nearest ray's bisection runs its full course: no earlier ray came as near. (Every
        // ray here has its rim point in wall; should the exact test ever say otherwise, the plain
        // order decides.)
        CRun run;
        if (!RunRay(crossings[i].ray, std::numeric_limits<double>::infinity(), run))
            return false;
        const double m = (run.lo + run.hi) / 2;
        if (m < best) {
            best = m;
            bestRay = crossings[i].ray;
            bestRun = run;
        }
    }

    // The loss comes from the last ray whose bisection met a wall. Every ray after the nearest
    // bisects until lo reaches best; look for it from the last ray back.
    int lossRay = -1;
    CRun lossRun;
    for (int i = count - 1; i >= 0 && crossings[i].ray > bestRay && lossRay < 0; --i) {
        if (Foresee(crossings[i].tLo, crossings[i].tHi, m_radius, best) == Outcome::Miss)
            continue;
        CRun run;
        if (!RunRay(crossings[i].ray, best, run))
            return false;
        if (run.hit) {
            lossRay = crossings[i].ray;
            lossRun = run;
        }
    }
    if (lossRay < 0 && bestRun.hit) {
        lossRay = bestRay;
        lossRun = bestRun;
    }
    // Otherwise it lies before the nearest ray, where each ray stopped at a best of its own.
    if (lossRay < 0)
        return false;
    contact = Contact(bestRay, lossRay, lossRun);
    return true;
}

CRimContact CRimScan::Contact(int bestRay, int lossRay, const CRun& lossRun) const
{
    if (bestRay < 0)
        return {};
    CRimContact contact{true, s_rays.delta[bestRay], 0.0};
    // The last step that met a wall left its point as the ray's hi.
    if (lossRay >= 0)
        contact.loss = s_rays.facing[lossRay] *
                       m_level.GetWallFactorAt(m_x + lossRun.dx * lossRun.hi, m_y + lossRun.dy * lossRun.hi);
    return contact;
}

bool CRimScan::RunRay(int ray, double limit, CRun& run) const
{
    const CSinCos direction = PortableSinCos(m_heading + s_rays.delta[ray]);
    const double dx = direction.cos;
    const double dy = direction.sin;
    run.dx = dx;
    run.dy = dy;
    if (!m_mapped)
        return Bisect([&](double t) { return m_level.IsWallAt(m_x + dx * t, m_y + dy * t); }, limit, run);
    // Every point of the ray lies between the centre and the rim point, coordinate by
    // coordinate: in their cells or, when both column and row change, in the other two.
    const unsigned rim = CellOf(m_x + dx * m_radius, m_y + dy * m_radius);
    const unsigned changed = m_centreCell ^ rim;
    const unsigned passed = 1u << m_centreCell | 1u << rim;
    if ((changed == 1 || changed == 2) && (passed & m_anyWall & ~m_allWall) == 0 &&
        ((m_allWall >> m_centreCell ^ m_allWall >> rim) & 1) != 0) {
        // One edge between no wall and all wall: a point is wall exactly when it lies on the
        // wall's side of it.
        const bool acrossColumns = changed == 1;
        const double base = acrossColumns ? m_x : m_y;
        const double step = acrossColumns ? dx : dy;
        const double edge = acrossColumns ? m_midX : m_midY;
        const bool wallBeyond = (m_allWall >> (m_centreCell | changed) & 1) != 0;
        return Bisect([=](double t) { return (base + step * t >= edge) == wallBeyond; }, limit, run);
    }
    return Bisect([&](double t) { return IsWallInCells(m_x + dx * t, m_y + dy * t); }, limit, run);
}

template <typename IsWallAt>
bool CRimScan::Bisect(const IsWallAt& isWallAt, double limit, CRun& run) const
{
    if (!isWallAt(m_radius))
        return false;
    double lo = 0.0;
    double hi = m_radius;
    bool hit = false;
    for (int i = 0; i < kHalvings && lo < limit; ++i) {
        const double mid = (lo + hi) / 2;
        if (isWallAt(mid)) {
            hi = mid;
            hit = true;
        } else {
            lo = mid;
        }
    }
    run.lo = lo;
    run.hi = hi;
    run.hit = hit;
    return true;
}

double CRimScan::Clearance(unsigned cell, double px, double py) const
{
    // The distance to the wall in the point's own cell, when it holds wall in part, then to the
    // cell beside, above or below, and (at least) to the one diagonally across; the rim never
    // leaves the four cells.
    double clearance = 1.0;
    const CCell& own = m_cells[cell];
    if (own.cover == WallCover::Part) {
        const double beyondEdge = CBlock::DistanceToFrontEdge(own.block->GetShape(), own.block->GetShapeRotation(),
                                                              px - own.left, py - own.top);
        clearance = own.frontIsWall ? beyondEdge : -beyondEdge;
    }
    const double gapX = std::fabs(px - m_midX);
    const double gapY = std::fabs(py - m_midY);
    if (m_anyWall >> (cell ^ 1) & 1)
        clearance = std::min(clearance, gapX);
    if (m_anyWall >> (cell ^ 2) & 1)
        clearance = std::min(clearance, gapY);
    if (m_anyWall >> (cell ^ 3) & 1)
        clearance = std::min(clearance, std::max(gapX, gapY));
    return clearance;
}

bool CRimScan::IsWallInCells(double px, double py) const
{
    const CCell& cell = m_cells[CellOf(px, py)];
    if (cell.cover != WallCover::Part)
        return cell.cover == WallCover::All;
    // IsWallAt of a block whose two materials differ in wall: wall on the wall's side of the
    // front region's edge.
    const CBlock& block = *cell.block;
    return CBlock::IsInFrontRegion(block.GetShape(), block.GetShapeRotation(), px - cell.left, py - cell.top) ==
           cell.frontIsWall;
}
