#include "core/filter/colour_matrix.h"

#include <cstddef>

#include "core/tone/display_tables.h"

namespace korva {

namespace {

constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;

// The scanner's colour correction.
constexpr std::array<std::array<double, 3>, 3> kCorrection = {{
    {1.48, -0.5, 0.01},
    {-0.05, 1.15, -0.1},
    {-0.07, -0.02, 1.09},
}};

// The same, times 100, as the device computes it.
constexpr ColourMatrix kDeviceCorrection = {{
    {148, -50, 1},
    {-5, 115, -10},
    {-7, -2, 109},
}};

constexpr std::array<uint8_t, 9> kNeutralDeviceBytes = {40, 133, 132, 134, 41, 130, 130, 132, 38};

constexpr int kDeviceMaxMagnitude = 127;

// 0.32 v rounded away from zero.
int32_t ScaleForDevice(int32_t v) {
    return v >= 0 ? (32 * v + 50) / 100 : (32 * v - 50) / 100;
}

uint8_t SignMagnitude(int32_t v) {
    if (v < 0) {
        return static_cast<uint8_t>(-v + 128);
    }
    return v == 128 ? 0 : static_cast<uint8_t>(v);
}

}  // namespace

ColourMatrix SaturationMatrix(int32_t saturation) {
    ColourMatrix m{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            m[i][j] = i == j ? 300 + 2 * saturation : -saturation;
        }
    }
    return m;
}

ColourMatrix BuildPreviewColourMatrix(int32_t saturation, bool colourMatchingInForce) {
    const ColourMatrix s = SaturationMatrix(saturation);
    ColourMatrix p{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double r = 0;
            for (int k = 0; k < 3; ++k) {
                const double q = colourMatchingInForce ? (i == k ? 1.0 : 0.0) : kCorrection[i][k];
                r += q * s[k][j];
            }
            p[i][j] = static_cast<int32_t>((r + 0.5) / 6.0);
        }
    }
    return p;
}

void ApplyColourMatrix(const ColourMatrix& matrix, uint8_t* pixels, uint32_t width, uint32_t height) {
    if (matrix == kIdentityColourMatrix) {
        return;
    }
    const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    MapThroughTablesAndMatrix(IdentityTables(), matrix, pixels, pixels, width, height, rowBytes);
}

std::array<uint8_t, 9> BuildDeviceColourMatrix(int32_t saturation) {
    if (saturation == 0) {
        return kNeutralDeviceBytes;
    }
    const ColourMatrix s = SaturationMatrix(saturation);
    ColourMatrix r{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            int32_t sum = 0;
            for (int k = 0; k < 3; ++k) {
                sum += kDeviceCorrection[i][k] * s[k][j];
            }
            r[i][j] = ScaleForDevice(sum / 300);
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (r[i][i] > kDeviceMaxMagnitude) {
            const int32_t excess = (r[i][i] - kDeviceMaxMagnitude) / 2;
            for (int j = 0; j < 3; ++j) {
                r[i][j] += excess;
            }
            r[i][i] = kDeviceMaxMagnitude;
        }
    }
    return {SignMagnitude(r[kGreen][kGreen]), SignMagnitude(r[kRed][kGreen]), SignMagnitude(r[kBlue][kGreen]),
            SignMagnitude(r[kGreen][kRed]),   SignMagnitude(r[kRed][kRed]),   SignMagnitude(r[kBlue][kRed]),
            SignMagnitude(r[kGreen][kBlue]),  SignMagnitude(r[kRed][kBlue]),  SignMagnitude(r[kBlue][kBlue])};
}

}  // namespace korva
