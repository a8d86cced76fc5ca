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
    // Wall all the way from the centre: every step of the bisection meets it.
    bool full;
};

void CReach::Update(const CLevel& level, double x, double y, double radius)
{
    // Every point the ball asks about lies in the square from (x - r, y - r) to (x + r, y + r),
    // as rounded, since no sine or cosine exceeds 1: with r below 0.45 that is within the 2 x 2
    // cells from the cell of (x - r, y - r).
    // Still in the same cells: floor(x - r) and floor(y - r) as before.
    const double fromX = x - radius;
    const double fromY = y - radius;
    if (m_mapped && &level == m_level && fromX >= m_left && fromX < m_midX && fromY >= m_top && fromY < m_midY &&
        radius >= 0.0 && radius < 0.45)
        return;
    const double left = std::floor(fromX);
    const double top = std::floor(fromY);
    m_mapped = radius >= 0.0 && radius < 0.45 && left >= -2.0 && left <= level.GetWidth() + 1.0 && top >= -2.0 &&
               top <= level.GetHeight() + 1.0;
    if (!m_mapped)
        return;
    m_level = &level;
    m_left = left;
    m_top = top;
    m_midX = left + 1.0;
    m_midY = top + 1.0;
    m_allWall = 0;
    m_anyWall = 0;
    m_cup = false;
    for (unsigned i = 0; i < 4; ++i) {
        const CBlock* block =
            level.FindBlock(static_cast<int>(left) + static_cast<int>(i & 1), static_cast<int>(top) + static_cast<int>(i >> 1));
        const WallCover cover = block ? block->GetWallCover() : WallCover::All;
        m_cells[i] = {block, cover, block && block->GetFrontKind() == Wall, left + (i & 1), top + (i >> 1), {}};
        if (cover == WallCover::Part)
            CBlock::FindFrontEdge(block->GetShape(), block->GetShapeRotation(), m_cells[i].edge);
        if (cover == WallCover::All)
            m_allWall |= 1u << i;
        if (cover != WallCover::None)
            m_anyWall |= 1u << i;
        m_cup = m_cup || (block && (block->GetBackKind() == Hole || (!block->IsUniform() && block->GetFrontKind() == Hole)));
    }
}

bool CReach::IsWallBeyond(double px, double py, double distance) const
{
    const double reach = distance + kMargin;
    for (unsigned i = 0; i < 4; ++i) {
        if ((m_anyWall >> i & 1) == 0)
            continue;
        const CCell& cell = m_cells[i];
        const double dx = std::max({cell.left - px, 0.0, px - (cell.left + 1.0)});
        const double dy = std::max({cell.top - py, 0.0, py - (cell.top + 1.0)});
        if (dx * dx + dy * dy <= reach * reach)
            return false;
    }
    return true;
}

CRimScan::CRimScan(const CLevel& level, const CReach& reach, double x, double y, double radius, double heading,
                   const CSinCos* forward)
    : m_level(level), m_reach(reach), m_x(x), m_y(y), m_radius(radius), m_heading(heading), m_forward(forward)
{
    // Far outside the level, or with a radius, a coordinate or a heading that is not a number,
    // the scan asks the level at every point.
    if (!reach.IsMapped() || !(radius >= 0.0 && radius < 0.45) || !std::isfinite(heading))
        return;
    m_mapped = true;
    m_midX = reach.GetMidX();
    m_midY = reach.GetMidY();
    m_centreCell = CellOf(x, y);
    m_allWall = reach.GetAllWall();
    m_anyWall = reach.GetAnyWall();
    m_estimable = std::fabs(heading) <= kEstimatedHeading && std::fabs(x) <= kEstimatedCoordinate &&
                  std::fabs(y) <= kEstimatedCoordinate;
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
    const CSinCos forward = m_forward ? *m_forward : PortableSinCos(m_heading);
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
        // The rim point is wall. With all wall in its cell and no wall at all in the centre's
        // cell, one column or one row away, the ray crosses one edge into the wall; anything
        // else is followed along the ray.
        const unsigned changed = rim ^ m_centreCell;
        if ((m_allWall >> rim & 1) == 0 || (m_anyWall >> m_centreCell & 1) != 0 || (changed != 1 && changed != 2)) {
            bool wall = false;
            double tLo = 0.0;
            double tHi = 0.0;
            if (!FindCrossing(dirX, dirY, wall, tLo, tHi))
                return false;
            if (wall)
                crossings[count++] = {ray, tLo, tHi, tHi == 0.0};
            return true;
        }
        const double gap = changed == 1 ? m_midX - m_x : m_midY - m_y;
        const double direction = changed == 1 ? dirX : dirY;
        const double crossing = gap / direction;
        const double slack = kMargin / std::fabs(direction);
        crossings[count++] = {ray, crossing - slack, crossing + slack, false};
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
    // A bisection that meets wall at every step halves the radius 20 times, exactly.
    const double fullMiddle = m_radius * 0x1p-21;
    for (int i = 0; i < count; ++i) {
        if (crossings[i].tLo - spread > nearest || (crossings[i].full && bestRay >= 0 && fullMiddle >= best))
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

bool CRimScan::FindCrossing(double dirX, double dirY, bool& wall, double& tLo, double& tHi) const
{
    // Where the ground under the ray may change, each with how far the exact ray's place of it
    // may be from the estimated one's: cell edges, and the circles and diagonals of the cells
    // with wall in part. The estimated and exact points lie within kMargin of each other; a
    // point farther than that from every edge is on the same side of all of them.
    struct CEvent {
        double t;
        double slack;
    };
    CEvent events[10];
    int count = 0;
    const double rounding = 1e-12;
    const double r = m_radius;
    // The cell edges, in order along the ray.
    CEvent edges[2];
    unsigned flips[2];
    int edgeCount = 0;
    for (const unsigned axis : {1u, 2u}) {
        const double direction = axis == 1 ? dirX : dirY;
        if (direction == 0.0)
            continue;
        const double t = ((axis == 1 ? m_midX : m_midY) - (axis == 1 ? m_x : m_y)) / direction;
        const double slack = kMargin / std::fabs(direction) + rounding;
        if (t > -slack && t < r + slack) {
            edges[edgeCount] = {t, slack};
            flips[edgeCount++] = axis;
        }
    }
    if (edgeCount == 2 && edges[1].t < edges[0].t) {
        std::swap(edges[0], edges[1]);
        std::swap(flips[0], flips[1]);
    }
    // The edges of the shapes, cell by cell along the ray.
    unsigned cell = m_centreCell;
    for (int segment = 0; segment <= edgeCount; ++segment) {
        const double from = segment == 0 ? 0.0 : edges[segment - 1].t;
        const double to = segment == edgeCount ? r : edges[segment].t;
        const CReach::CCell& own = m_reach[cell];
        if (own.cover == WallCover::Part) {
            const CBlock::CFrontEdge& edge = own.edge;
            double roots[2];
            int rootCount = 0;
            double slack = 0.0;
            if (edge.round) {
                const double px = m_x - (own.left + edge.cu);
                const double py = m_y - (own.top + edge.cv);
                const double a = dirX * dirX + dirY * dirY;
                const double b = 2.0 * (dirX * px + dirY * py);
                const double c = px * px + py * py - edge.radius * edge.radius;
                const double discriminant = b * b - 4.0 * a * c;
                if (discriminant > 0.0) {
                    const double root = std::sqrt(discriminant);
                    roots[rootCount++] = (-b - root) / (2.0 * a);
                    roots[rootCount++] = (-b + root) / (2.0 * a);
                    slack = 4.0 * edge.radius * kMargin / root + rounding;
                } else if (std::sqrt(std::max(0.0, px * px + py * py - b * b / (4.0 * a))) - edge.radius <=
                           2.0 * kMargin) {
                    return false; // the ray grazes the circle
                }
            } else {
                const double u = m_x - own.left;
                const double f0 = (edge.flipped ? 1.0 - u : u) - (m_y - own.top);
                const double f1 = (edge.flipped ? -dirX : dirX) - dirY;
                if (f1 != 0.0) {
                    roots[rootCount++] = -f0 / f1;
                    slack = std::numbers::sqrt2 * kMargin / std::fabs(f1) + rounding;
                } else if (std::fabs(f0) <= 2.0 * kMargin) {
                    return false; // along the diagonal
                }
            }
            for (int i = 0; i < rootCount; ++i) {
                if (roots[i] > from - slack && roots[i] < to + slack)
                    events[count++] = {roots[i], slack};
            }
        }
        if (segment < edgeCount) {
            events[count++] = edges[segment];
            cell ^= flips[segment];
        }
    }
    for (int i = 1; i < count; ++i) {
        for (int j = i; j > 0 && events[j].t < events[j - 1].t; --j)
            std::swap(events[j], events[j - 1]);
    }
    // Every event clear of the centre, the rim and each other: the ground between two is the
    // same all along, as at the middle.
    double clearFrom = 0.0;
    for (int i = 0; i < count; ++i) {
        if (events[i].t - events[i].slack <= clearFrom)
            return false;
        clearFrom = events[i].t + events[i].slack;
    }
    if (clearFrom >= r)
        return false;
    // No wall, then wall up to the rim point; wall all the way from the centre; or no wall at all.
    int firstWall = -1;
    for (int i = 0; i <= count; ++i) {
        const double from = i == 0 ? 0.0 : events[i - 1].t;
        const double to = i == count ? r : events[i].t;
        const double middle = (from + to) / 2;
        const bool isWall = IsWallInCells(m_x + dirX * middle, m_y + dirY * middle);
        if (isWall && firstWall < 0)
            firstWall = i;
        else if (!isWall && firstWall >= 0)
            return false; // wall, then none again
    }
    wall = firstWall >= 0;
    if (firstWall == 0) {
        tLo = 0.0;
        tHi = 0.0;
    } else if (wall) {
        tLo = events[firstWall - 1].t - events[firstWall - 1].slack;
        tHi = events[firstWall - 1].t + events[firstWall - 1].slack;
    }
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
    const CReach::CCell& own = m_reach[cell];
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
    const CReach::CCell& cell = m_reach[CellOf(px, py)];
    if (cell.cover != WallCover::Part)
        return cell.cover == WallCover::All;
    // IsWallAt of a block whose two materials differ in wall: wall on the wall's side of the
    // front region's edge.
    const CBlock& block = *cell.block;
    return CBlock::IsInFrontRegion(block.GetShape(), block.GetShapeRotation(), px - cell.left, py - cell.top) ==
           cell.frontIsWall;
}
