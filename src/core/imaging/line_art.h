// Line-art rendering: a 24-bit image halftoned in place to 1 bit per pixel with the threshold t and the
// image type's halftone mode and drop-out colour, so that the preview shows the pattern the scan gets.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/imaging/render_type.h"
#include "core/imaging/rendered_image.h"
#include "core/tone/tone_curve.h"

namespace korva {

// Mode "None" does not use t itself but trunc(255 (t / 255)^(5/9)), a lighter threshold.
int32_t ModeNoneThreshold(int32_t threshold);

// Rewrites a 24-bit image as 1 bit per pixel, most significant bit first, rows padded to 4 bytes with
// every spare bit white; colour 0 is black and 1 white. With the threshold t (limited to 0..255):
// - mode 0: white when the level with offset 128 - ModeNoneThreshold(t) is at least 129;
// - modes 1..3: error diffusion of the level with offset 128 - t, the mode's matrix as the threshold;
// - modes 4..7: white when the level with offset 128 - t is at least the mode's matrix entry.
void HalftoneLineArt(RenderedImage& image, const RenderType& type, int32_t threshold);

// The same from 24-bit rows that are not written (`height` rows of `width` pixels, `rowBytes` apart),
// each channel through its display table before the level is taken, into a new 1-bit image.
RenderedImage RenderLineArt(const uint8_t* source,
                            size_t rowBytes,
                            int32_t width,
                            int32_t height,
                            const DisplayTables& tables,
                            const RenderType& type,
                            int32_t threshold);

}  // namespace korva
