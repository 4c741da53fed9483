// Saturation and colour correction as 3 x 3 integer matrices over the channels of a 24-bit pixel in
// memory order (0 blue, 1 green, 2 red; rows are output channels, columns input channels): the preview
// matrix applied to preview pixels here, and the nine sign-magnitude bytes the device applies to a scan.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/tone/tone_curve.h"

namespace korva {

using ColourMatrix = std::array<std::array<int32_t, 3>, 3>;

// 50 on the diagonal: every pixel unchanged.
inline constexpr ColourMatrix kIdentityColourMatrix = {{{50, 0, 0}, {0, 50, 0}, {0, 0, 50}}};

inline constexpr int32_t kSaturationMin = -100;
inline constexpr int32_t kSaturationMax = 100;

// Diagonal 300 + 2s, elsewhere -s: every row sums to 300.
ColourMatrix SaturationMatrix(int32_t saturation);

// The preview matrix P for a saturation: the scanner's colour correction (or none while colour matching
// is in force) times the saturation matrix, scaled so that rows sum to about 50 (unity gain).
ColourMatrix BuildPreviewColourMatrix(int32_t saturation, bool colourMatchingInForce);

// Applies P in place to a bottom-up 24-bit image whose rows are padded to a multiple of 4 bytes: each
// output channel is (P[c][0] b + P[c][1] g + P[c][2] r) / 50, clamped to 0..255. The identity matrix
// (50 on the diagonal, which saturation 0 with colour matching gives) leaves the pixels untouched.
void ApplyColourMatrix(const ColourMatrix& matrix, uint8_t* pixels, uint32_t width, uint32_t height);

// Both steps of a colour preview in one pass: every channel of `height` rows of `width` 24-bit pixels
// through its display table, then the pixel through the matrix as ApplyColourMatrix does, from the
// `source` rows into the `target` rows (both `rowBytes` apart, the same rows or rows that do not
// overlap). The bytes between a row's pixels and the next row are not written.
void MapThroughTablesAndMatrix(const DisplayTables& tables,
                               const ColourMatrix& matrix,
                               const uint8_t* source,
                               uint8_t* target,
                               uint32_t width,
                               uint32_t height,
                               size_t rowBytes);

// The device form: nine sign-magnitude bytes (bit 7 negative) in the order (output, input) green-green,
// red-green, blue-green, green-red, red-red, blue-red, green-blue, red-blue, blue-blue. Saturation 0
// always gives the fixed set 40, 133, 132, 134, 41, 130, 130, 132, 38.
std::array<uint8_t, 9> BuildDeviceColourMatrix(int32_t saturation);

}  // namespace korva
