#include "model/Material.h"
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
    EXPECT_EQ(PortableCos(0.0), 1.0);
    EXPECT_EQ(PortableSin(0.0), 0.0);
    EXPECT_TRUE(std::signbit(PortableSin(-0.0)));
    EXPECT_EQ(PortableSin(pi / 2), 1.0);
    EXPECT_EQ(PortableCos(pi), -1.0);
    EXPECT_EQ(PortableAtan2(0.0, 1.0), 0.0);
    EXPECT_EQ(PortableAtan2(0.0, -1.0), pi);
    EXPECT_EQ(PortableAtan2(-0.0, -1.0), -pi);
    EXPECT_EQ(PortableAtan2(-0.0, 1.0), 0.0);
    EXPECT_TRUE(std::signbit(PortableAtan2(-0.0, 1.0)));
    EXPECT_EQ(PortableAtan2(2.0, 0.0), pi / 2);
    EXPECT_EQ(PortableAtan2(-2.0, -0.0), -pi / 2);
    EXPECT_EQ(PortableAtan2(0.0, -0.0), pi);
    EXPECT_EQ(PortableAtan2(1.0, 1.0), pi / 4);
    EXPECT_EQ(PortableAtan2(-INFINITY, -INFINITY), -3 * pi / 4);
    EXPECT_EQ(PortableAtan2(5.0, -INFINITY), pi);
    EXPECT_TRUE(std::isnan(PortableAtan2(NAN, 1.0)));
    EXPECT_TRUE(std::isnan(PortableSin(INFINITY)));
    EXPECT_TRUE(std::isnan(PortableCos(NAN)));
    EXPECT_TRUE(std::isnan(PortableSinCos(-INFINITY).sin));
    EXPECT_TRUE(std::isnan(PortableSinCos(NAN).cos));
    // Huge arguments lose accuracy but stay within range.
    EXPECT_LE(std::fabs(PortableSin(1e300)), 1.0);
}

// The slope pull a material gives is gravity on the incline times the cosine and sine of its
// direction, the same to the bit as the portable functions compute them.
TEST(PortableMath, SlopePullOfEveryDirection)
{
    const double pi = std::acos(-1.0);
    const double g = 9.82 * PortableSin(40.0 * pi / 180.0);
    EXPECT_EQ(CMaterial::GetSlopeMagnitude(), g);
    for (int rotation = 0; rotation < 8; ++rotation) {
        SCOPED_TRACE(rotation);
        CMaterial material;
        material.SetRotation(rotation);
        EXPECT_EQ(material.GetSlopeX(), g * PortableCos(rotation * pi / 4));
        EXPECT_EQ(material.GetSlopeY(), -g * PortableSin(rotation * pi / 4));
    }
}
