#pragma once

// Sine, cosine and arc tangent computed with the basic operations of IEEE-754 doubles only, so
// that the ball moves exactly the same on every machine. The C library picks among variants of
// its own at run time (with or without fused multiply-add, for one) that differ in the last bit
// now and then, and one differing bit changes a whole shot. Accurate to about one unit in the
// last place for the arguments the ball uses (headings of a few turns at most); larger
// arguments lose accuracy but stay reproducible.
double PortableSin(double x);
double PortableCos(double x);
// Both of one angle from a single argument reduction: the same values as the two calls above.
struct CSinCos {
    double sin;
    double cos;
};
CSinCos PortableSinCos(double x);
double PortableAtan2(double y, double x);
