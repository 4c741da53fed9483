// Natural cubic spline through knots with strictly increasing x, and its sampling into a ToneCurve.
// z holds each knot's second derivative divided by 6; both ends are free (z = 0). Inputs outside the
// knots are evaluated on the first or last cubic piece.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/tone/tone_curve.h"

namespace korva {

// Status of SplineSetup: no knots, or a curve ready to evaluate.
inline constexpr int kSplineNoCurve = 0;
inline constexpr int kSplineReady = -1;

// Fills z (x, y and z have the same length) and returns kSplineNoCurve for no knots, kSplineReady otherwise.
// One knot gives a constant, two knots a straight line (z[0] then holds the slope).
int SplineSetup(std::span<const double> x, std::span<const double> y, std::span<double> z);

// The curve's value at t; -1.0 when there are no knots.
double SplineEval(std::span<const double> x, std::span<const double> y, std::span<const double> z, double t);

struct SplinePoint {
    int16_t input;
    int16_t output;
    int32_t inForce;  // nonzero: the point is a knot of the curve
};

// Samples the spline through the in-force points (taken in order, increasing input) at 0..255, clamped
// to 0..255 and rounded. With no point in force `out` is left as it was. Returns SplineSetup's status.
int BuildSplineCurve(const std::array<SplinePoint, 5>& points, ToneCurve& out);

}  // namespace korva
