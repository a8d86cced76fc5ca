#include "sim/PortableMath.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// Distance in representable doubles between two finite values of the same sign.
std::int64_t UlpDistance(double a, double b)
{
    if (a == b)
        return 0;
    if (std::signbit(a) != std::signbit(b))
        return std::abs(std::bit_cast<std::int64_t>(std::fabs(a))) + std::abs(std::bit_cast<std::int64_t>(std::fabs(b)));
    return std::abs(std::bit_cast<std::int64_t>(a) - std::bit_cast<std::int64_t>(b));
}

} // namespace

TEST(PortableMath, AgreesWithTheCLibraryWithinAnUlp)
{
    std::int64_t worstSin = 0, worstCos = 0, worstAtan2 = 0;
    int sinCosDiffers = 0;
    for (int i = -200000; i <= 200000; ++i) {
        const double x = i * 1e-4 * std::numbers::pi; // a few turns either way
        worstSin = std::max(worstSin, UlpDistance(PortableSin(x), std::sin(x)));
        worstCos = std::max(worstCos, UlpDistance(PortableCos(x), std::cos(x)));
        // The pair is the two single functions to the bit, here and for huge arguments.
        for (const double a : {x, x * 1e6 + 0.5}) {
            const CSinCos pair = PortableSinCos(a);
            sinCosDiffers += std::bit_cast<std::uint64_t>(pair.sin) != std::bit_cast<std::uint64_t>(PortableSin(a)) ||
                             std::bit_cast<std::uint64_t>(pair.cos) != std::bit_cast<std::uint64_t>(PortableCos(a));
        }
        const double y = std::sin(i * 0.37) * std::exp(i % 40 - 20.0);
        const double w = std::cos(i * 0.11) * std::exp(i % 17 - 8.0);
        worstAtan2 = std::max(worstAtan2, UlpDistance(PortableAtan2(y, w), std::atan2(y, w)));
    }
    EXPECT_LE(worstSin, 1);
    EXPECT_LE(worstCos, 1);
    EXPECT_LE(worstAtan2, 1);
    EXPECT_EQ(sinCosDiffers, 0);
}

TEST(PortableMath, ExactValuesTheBallRelies)
{
    constexpr double pi = std::numbers::pi;
    // To the bit, so the sign of a zero counts.
    const std::pair<double, double> exact[] = {
        {PortableCos(0.0), 1.0},          {PortableSin(0.0), 0.0},          {PortableSin(-0.0), -0.0},
        {PortableSin(pi / 2), 1.0},       {PortableCos(pi), -1.0},          {PortableAtan2(0.0, 1.0), 0.0},
        {PortableAtan2(0.0, -1.0), pi},   {PortableAtan2(-0.0, -1.0), -pi}, {PortableAtan2(-0.0, 1.0), -0.0},
        {PortableAtan2(2.0, 0.0), pi / 2}, {PortableAtan2(-2.0, -0.0), -pi / 2}, {PortableAtan2(0.0, -0.0), pi},
        {PortableAtan2(1.0, 1.0), pi / 4}, {PortableAtan2(-INFINITY, -INFINITY), -3 * pi / 4},
        {PortableAtan2(5.0, -INFINITY), pi},
    };
    for (std::size_t i = 0; i < std::size(exact); ++i)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(exact[i].first), std::bit_cast<std::uint64_t>(exact[i].second))
            << "case " << i << ": " << exact[i].first << " for " << exact[i].second;
    for (const double nan : {PortableAtan2(NAN, 1.0), PortableSin(INFINITY), PortableCos(NAN),
                             PortableSinCos(-INFINITY).sin, PortableSinCos(NAN).cos})
        EXPECT_TRUE(std::isnan(nan));
    // Huge arguments lose accuracy but stay within range.
    EXPECT_LE(std::fabs(PortableSin(1e300)), 1.0);
}
