// The rim scan against the plain scan it stands for: every rim point and every bisection point
// asked of the level, ray by ray in order. The two must agree to the bit on random levels, and
// most of all where the scan's shortcuts are closest to going wrong: points within a hair of
// cell edges and of the scan's margin, rays parallel to edges, huge headings, tiny, zero and
// odd radii, balls beyond the level's border.
#include "sim/RimScan.h"

#include "model/Level.h"
#include "sim/PortableMath.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <iomanip>

namespace {

constexpr double kPi = std::numbers::pi;

CRimContact PlainScan(const CLevel& level, double x, double y, double r, double heading)
{
    double best = 100.0;
    double bestDelta = 0.0;
    double loss = 0.0;
    for (double delta = -kPi / 2; delta <= kPi / 2; delta += kPi / 200) {
        const double dx = PortableCos(heading + delta);
        const double dy = PortableSin(heading + delta);
        if (!level.IsWallAt(x + dx * r, y + dy * r))
            continue;
        double lo = 0.0;
        double hi = r;
        for (int i = 0; i < 20 && lo < best; ++i) {
            const double mid = (lo + hi) / 2;
            const double qx = x + dx * mid;
            const double qy = y + dy * mid;
            if (level.IsWallAt(qx, qy)) {
                hi = mid;
                loss = PortableSin(kPi / 2 + delta) * level.GetWallFactorAt(qx, qy);
            } else {
                lo = mid;
            }
        }
        const double m = (lo + hi) / 2;
        if (m < best) {
            best = m;
            bestDelta = delta;
        }
    }
    return best >= 100.0 ? CRimContact{} : CRimContact{true, bestDelta, loss};
}

// Random levels: blocks of every shape, rotation and material, or only solid wall and grass,
// where the scan settles most by crossings.
CLevel RandomLevel(std::mt19937_64& random, bool solidOnly)
{
    CLevel level;
    level.Init(6, 5, "scan", "tests");
    std::uniform_int_distribution<int> pick(0, 99);
    constexpr int kKinds[] = {Grass, Wall, Ice, Hole, Sand, Water};
    const auto kind = [&] { return pick(random) < 45 ? Wall : kKinds[pick(random) % 6]; };
    for (int x = 0; x < level.GetWidth(); ++x)
        for (int y = 0; y < level.GetHeight(); ++y) {
            if (solidOnly)
                level.SetBlock(x, y, Solid, 0, pick(random) < 35 ? Wall : Grass, pick(random) % 9, Grass, NoSlope);
            else
                level.SetBlock(x, y, pick(random) % 5, pick(random) % 4, kind(), pick(random) % 9, kind(),
                               pick(random) % 9);
        }
    return level;
}

// A coordinate from -1 to size + 1, half of them on or a hair from a cell edge or from where the
// rim touches one.
double RandomCoordinate(std::mt19937_64& random, int size, double radius)
{
    std::uniform_real_distribution<double> anywhere(-1.0, size + 1.0);
    std::uniform_int_distribution<int> pick(0, 99);
    const double value = anywhere(random);
    if (pick(random) < 50)
        return value;
    constexpr double kHairs[] = {0.0, 1e-15, -1e-15, 1e-9, -1e-9, 1e-7, -1e-7, 1.01e-7, -0.99e-7, 3e-7, 1e-4};
    const double edge = std::floor(value) + (pick(random) % 3 - 1) * radius;
    return edge + kHairs[pick(random) % std::size(kHairs)];
}

double RandomHeading(std::mt19937_64& random)
{
    std::uniform_real_distribution<double> turn(-kPi, kPi);
    std::uniform_int_distribution<int> pick(0, 99);
    const int kind = pick(random);
    if (kind < 15)
        return pick(random) % 16 * (kPi / 8); // along or across the edges, and diagonal
    if (kind < 20)
        return pick(random) % 400 * (kPi / 200) - kPi; // along a ray of another heading
    if (kind < 23)
        return turn(random) * 1000.0; // beyond the estimates
    if (kind < 25)
        return turn(random) * 1e7;
    return turn(random);
}

double RandomRadius(std::mt19937_64& random)
{
    constexpr double kRadii[] = {0.35, 0.35, 0.35, 0.35, 0.2, 0.01, 1e-9, 0.0, 0.449, 0.45, 0.6, -0.02};
    return kRadii[std::uniform_int_distribution<int>(0, std::size(kRadii) - 1)(random)];
}

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// A ball placed so that one ray meets a cell edge at, or a hair from, one of the first points
// its bisection tries (r/2, 3r/4, 5r/8, ...), where telling wall from no wall takes the exact
// point.
struct CPlacement {
    double x, y, r, heading;
};

CPlacement PlaceOnABisectionPoint(std::mt19937_64& random, const CLevel& level)
{
    std::uniform_int_distribution<int> pick(0, 999);
    const double r = 0.35;
    const double heading = std::uniform_real_distribution<double>(-kPi, kPi)(random);
    const double angle = heading + (pick(random) % 201 - 100) * (kPi / 200);
    double lo = 0.0;
    double hi = r;
    double mid = (lo + hi) / 2;
    for (int step = pick(random) % 6; step > 0; --step) {
        (pick(random) % 2 ? lo : hi) = mid;
        mid = (lo + hi) / 2;
    }
    constexpr double kHairs[] = {0.0, 1e-16, -1e-16, 1e-12, -1e-12, 1e-8, -1e-8};
    const double along = mid + kHairs[pick(random) % std::size(kHairs)];
    // A vertical or a horizontal edge at (ex, ey), the centre where that ray meets it at along.
    const double ex = 1 + pick(random) % (level.GetWidth() - 1);
    const double ey = 1 + pick(random) % (level.GetHeight() - 1);
    const double other = std::uniform_real_distribution<double>(0.4, 0.6)(random);
    if (pick(random) % 2)
        return {ex - along * std::cos(angle), ey - other, r, heading};
    return {ex - other, ey - along * std::sin(angle), r, heading};
}

} // namespace

TEST(RimScan, AgreesWithThePlainScanToTheBit)
{
    std::mt19937_64 random(20261205);
    int contacts = 0;
    int differences = 0;
    for (int levelIndex = 0; levelIndex < 120; ++levelIndex) {
        const CLevel level = RandomLevel(random, levelIndex % 2 == 0);
        // Kept from one ball to the next, as a ball keeps it from step to step.
        CReach reach;
        for (int i = 0; i < 400; ++i) {
            CPlacement ball;
            if (i % 2) {
                ball = PlaceOnABisectionPoint(random, level);
            } else {
                ball.r = RandomRadius(random);
                ball.x = RandomCoordinate(random, level.GetWidth(), ball.r);
                ball.y = RandomCoordinate(random, level.GetHeight(), ball.r);
                ball.heading = RandomHeading(random);
            }
            const auto [x, y, r, heading] = ball;
            const CRimContact expected = PlainScan(level, x, y, r, heading);
            reach.Update(level, x, y, r);
            const CRimContact actual = CRimScan(level, reach, x, y, r, heading).Scan();
            contacts += expected.found;
            if (actual.found == expected.found && Bits(actual.delta) == Bits(expected.delta) &&
                Bits(actual.loss) == Bits(expected.loss))
                continue;
            if (++differences <= 10)
                ADD_FAILURE() << std::setprecision(17) << "level " << levelIndex << " x " << x << " y " << y << " r " << r
                              << " heading " << heading << ": found " << actual.found << " delta " << actual.delta
                              << " loss " << actual.loss << ", plain: found " << expected.found << " delta "
                              << expected.delta << " loss " << expected.loss;
        }
    }
    EXPECT_EQ(differences, 0);
    // Most scans must meet a wall, or the comparison proves little.
    EXPECT_GT(contacts, 25000);
}
