#include "core/tone/spline.h"

#include <vector>

namespace korva {

int SplineSetup(std::span<const double> x, std::span<const double> y, std::span<double> z) {
    const size_t n = x.size();
    if (n == 0) {
        return kSplineNoCurve;
    }
    if (n == 1) {
        z[0] = 0;
        return kSplineReady;
    }
    if (n == 2) {
        z[0] = (y[1] - y[0]) / (x[1] - x[0]);
        return kSplineReady;
    }
    // h: knot spacing; d: slopes d[1..n-1] at first, overwritten by the diagonal of the elimination.
    std::vector<double> h(n);
    std::vector<double> d(n);
    z[0] = 0;
    z[n - 1] = 0;
    for (size_t i = 0; i + 1 < n; ++i) {
        h[i] = x[i + 1] - x[i];
        d[i + 1] = (y[i + 1] - y[i]) / h[i];
    }
    z[1] = d[2] - d[1] - h[0] * z[0];
    d[1] = 2 * (x[2] - x[0]);
    for (size_t i = 1; i + 3 <= n; ++i) {
        const double t = h[i] / d[i];
        z[i + 1] = d[i + 2] - d[i + 1] - z[i] * t;
        d[i + 1] = 2 * (x[i + 2] - x[i]) - h[i] * t;
    }
    z[n - 2] = z[n - 2] - h[n - 2] * z[n - 1];
    for (size_t i = n - 2; i >= 1; --i) {
        z[i] = (z[i] - h[i] * z[i + 1]) / d[i];
    }
    return kSplineReady;
}

double SplineEval(std::span<const double> x, std::span<const double> y, std::span<const double> z, double t) {
    const size_t n = x.size();
    if (n == 0) {
        return -1.0;
    }
    if (n == 1) {
        return y[0];
    }
    if (n == 2) {
        return (t - x[0]) * z[0] + y[0];
    }
    size_t i = 0;
    size_t j = n - 1;
    while (i < j) {
        const size_t k = (i + j) / 2;
        if (x[k] < t) {
            i = k + 1;
        } else {
            j = k;
        }
    }
    if (i > 0) {
        --i;
    }
    const double h = x[i + 1] - x[i];
    const double d = t - x[i];
    return (((z[i + 1] - z[i]) * d / h + 3 * z[i]) * d + ((y[i + 1] - y[i]) / h - (2 * z[i] + z[i + 1]) * h)) * d +
           y[i];
}

int BuildSplineCurve(const std::array<SplinePoint, 5>& points, ToneCurve& out) {
    std::array<double, 5> x{};
    std::array<double, 5> y{};
    std::array<double, 5> z{};
    size_t n = 0;
    for (const SplinePoint& point : points) {
        if (point.inForce != 0) {
            x[n] = point.input;
            y[n] = point.output;
            ++n;
        }
    }
    const std::span<const double> knotsX(x.data(), n);
    const std::span<const double> knotsY(y.data(), n);
    const std::span<double> knotsZ(z.data(), n);
    const int status = SplineSetup(knotsX, knotsY, knotsZ);
    if (status == kSplineNoCurve) {
        return status;
    }
    for (int i = 0; i < 256; ++i) {
        double v = SplineEval(knotsX, knotsY, knotsZ, i);
        if (!(v >= 0)) {
            v = 0;
        }
        if (v > 255) {
            v = 255;
        }
        out[i] = static_cast<uint8_t>(v + 0.5);
    }
    return status;
}

}  // namespace korva
