#include "sim/PortableMath.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

// The polynomials and constants are the classic minimax fits of the freely distributable
// fdlibm library; evaluated without fused multiply-add (the build forbids contraction), every
// operation is one correctly rounded IEEE-754 operation.

namespace {

// pi / 2 in three parts of 33 significant bits each, with the remainder after each: k times a
// part is exact for the quadrant counts k below 2^20.
constexpr double kPiOver2Part1 = 1.57079632673412561417e+00;
constexpr double kPiOver2Rest1 = 6.07710050650619224932e-11;
constexpr double kPiOver2Part2 = 6.07710050630396597660e-11;
constexpr double kPiOver2Rest2 = 2.02226624879595063154e-21;
constexpr double kPiOver2Part3 = 2.02226624871116645580e-21;
constexpr double kPiOver2Rest3 = 8.47842766036889956997e-32;
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kQuarterPi = 7.85398163397448278999e-01;
// Beyond this the quadrant count loses exactness; such arguments are first brought into one
// turn of the double nearest 2 pi (an exact remainder).
constexpr double kLargeArgument = 0x1p19;

// sin on [-pi/4, pi/4] of the reduced argument x + tail.
double SinKernel(double x, double tail)
{
    constexpr double S1 = -1.66666666666666324348e-01;
    constexpr double S2 = 8.33333333332248946124e-03;
    constexpr double S3 = -1.98412698298579493134e-04;
    constexpr double S4 = 2.75573137070700676789e-06;
    constexpr double S5 = -2.50507602534068634195e-08;
    constexpr double S6 = 1.58969099521155010221e-10;
    const double z = x * x;
    const double v = z * x;
    const double r = S2 + z * (S3 + z * (S4 + z * (S5 + z * S6)));
    return x - ((z * (0.5 * tail - v * r) - tail) - v * S1);
}

// cos on [-pi/4, pi/4] of the reduced argument x + tail.
double CosKernel(double x, double tail)
{
    constexpr double C1 = 4.16666666666666019037e-02;
    constexpr double C2 = -1.38888888888741095749e-03;
    constexpr double C3 = 2.48015872894767294178e-05;
    constexpr double C4 = -2.75573143513906633035e-07;
    constexpr double C5 = 2.08757232129817482790e-09;
    constexpr double C6 = -1.13596475577881948265e-11;
    const double z = x * x;
    const double r = z * (C1 + z * (C2 + z * (C3 + z * (C4 + z * (C5 + z * C6)))));
    const double hz = 0.5 * z;
    const double w = 1.0 - hz;
    return w + (((1.0 - w) - hz) + (z * r - x * tail));
}

// std::ilogb, with the normal numbers read straight from the exponent field; zero and the
// subnormals are left to the library.
int Exponent(double x)
{
    const int field = static_cast<int>(std::bit_cast<std::uint64_t>(x) >> 52 & 0x7ff);
    return field != 0 && field != 0x7ff ? field - 1023 : std::ilogb(x);
}

struct CReduced {
    int quadrant; // 0..3
    double x;
    double tail;
};

// x minus the nearest multiple k of pi / 2, as x + tail, with k modulo 4. Each further part of
// pi / 2 is subtracted only when the result has cancelled enough bits to need it.
CReduced Reduce(double x)
{
    if (std::fabs(x) <= kQuarterPi)
        return {0, x, 0.0};
    if (std::fabs(x) > kLargeArgument)
        x = std::fmod(x, 2 * std::numbers::pi);
    const double k = std::nearbyint(x * kTwoOverPi);
    const int exponent = Exponent(x);
    double r = x - k * kPiOver2Part1;
    double w = k * kPiOver2Rest1;
    double y = r - w;
    if (exponent - Exponent(y) > 16) {
        double t = r;
        w = k * kPiOver2Part2;
        r = t - w;
        w = k * kPiOver2Rest2 - ((t - r) - w);
        y = r - w;
        if (exponent - Exponent(y) > 49) {
            t = r;
            w = k * kPiOver2Part3;
            r = t - w;
            w = k * kPiOver2Rest3 - ((t - r) - w);
            y = r - w;
        }
    }
    const double quarter = k - 4.0 * std::floor(k / 4.0);
    return {static_cast<int>(quarter) & 3, y, (r - y) - w};
}

// sin (q pi / 2 + x + tail) for the reduced argument.
double SinInQuadrant(int quadrant, double x, double tail)
{
    switch (quadrant & 3) {
    case 0:
        return SinKernel(x, tail);
    case 1:
        return CosKernel(x, tail);
    case 2:
        return -SinKernel(x, tail);
    default:
        return -CosKernel(x, tail);
    }
}

// atan on [0, infinity].
double AtanOfNonNegative(double x)
{
    static constexpr double kAtanHigh[] = {4.63647609000806093515e-01, 7.85398163397448278999e-01,
                                           9.82793723247329054082e-01, 1.57079632679489655800e+00};
    static constexpr double kAtanLow[] = {2.26987774529616870924e-17, 3.06161699786838301793e-17,
                                          1.39033110312309984516e-17, 6.12323399573676603587e-17};
    static constexpr double T[] = {3.33333333333329318027e-01,  -1.99999999998764832476e-01,
                                   1.42857142725034663711e-01,  -1.11111104054623557880e-01,
                                   9.09088713343650656196e-02,  -7.69187620504482999495e-02,
                                   6.66107313738753120669e-02,  -5.83357013379057348645e-02,
                                   4.97687799461593236017e-02,  -3.65315727442169155270e-02,
                                   1.62858201153657823623e-02};
    // Bring the argument near 0 with atan(x) = atan(c) + atan((x - c) / (1 + c x)) for c = 0.5,
    // 1, 1.5 or infinity.
    int id = -1;
    if (x >= 2.4375) {
        id = 3;
        x = -1.0 / x;
    } else if (x >= 1.1875) {
        id = 2;
        x = (x - 1.5) / (1.0 + 1.5 * x);
    } else if (x >= 0.6875) {
        id = 1;
        x = (x - 1.0) / (x + 1.0);
    } else if (x >= 0.4375) {
        id = 0;
        x = (2.0 * x - 1.0) / (2.0 + x);
    }
    const double z = x * x;
    const double w = z * z;
    const double s1 = z * (T[0] + w * (T[2] + w * (T[4] + w * (T[6] + w * (T[8] + w * T[10])))));
    const double s2 = w * (T[1] + w * (T[3] + w * (T[5] + w * (T[7] + w * T[9]))));
    if (id < 0)
        return x - x * (s1 + s2);
    return kAtanHigh[id] - ((x * (s1 + s2) - kAtanLow[id]) - x);
}

} // namespace

double PortableSin(double x)
{
    if (!std::isfinite(x))
        return std::numeric_limits<double>::quiet_NaN();
    const CReduced r = Reduce(x);
    return SinInQuadrant(r.quadrant, r.x, r.tail);
}

double PortableCos(double x)
{
    // cos x = sin (x + pi / 2): one quadrant further on.
    if (!std::isfinite(x))
        return std::numeric_limits<double>::quiet_NaN();
    const CReduced r = Reduce(x);
    return SinInQuadrant(r.quadrant + 1, r.x, r.tail);
}

CSinCos PortableSinCos(double x)
{
    if (!std::isfinite(x))
        return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
    const CReduced r = Reduce(x);
    return {SinInQuadrant(r.quadrant, r.x, r.tail), SinInQuadrant(r.quadrant + 1, r.x, r.tail)};
}

double PortableAtan2(double y, double x)
{
    constexpr double kPi = 3.1415926535897931160e+00;
    constexpr double kPiLow = 1.2246467991473531772e-16;
    if (std::isnan(x) || std::isnan(y))
        return x + y;
    if (std::isinf(x) && std::isinf(y)) {
        const double corner = x > 0 ? kPi / 4 : 3 * kPi / 4;
        return std::copysign(corner, y);
    }
    if (x == 0.0) {
        if (y == 0.0)
            return std::copysign(std::signbit(x) ? kPi : 0.0, y);
        return std::copysign(kPi / 2, y);
    }
    const double z = AtanOfNonNegative(std::fabs(y) / std::fabs(x));
    if (std::signbit(x))
        return std::copysign(kPi - (z - kPiLow), y);
    return std::copysign(z, y);
}
