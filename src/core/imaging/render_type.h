// What the current image type asks of the preview rendering: the pixel class and bit depth of its pixel
// type, its halftone mode and its drop-out colour.
#pragma once

#include <cstdint>

#include "core/settings/pixel_types.h"
#include "core/settings/scan_settings.h"

namespace korva {

// The channel that stands for the level of a pixel; kNone weighs all three.
enum class DropoutColour : int32_t { kNone = 0, kRed = 1, kGreen = 2, kBlue = 3 };

// Halftone modes: 0 "None" (a plain threshold), 1..3 error diffusion, 4..7 ordered dither.
inline constexpr int32_t kHalftoneNone = 0;
inline constexpr int32_t kLastDiffusionMode = 3;
inline constexpr int32_t kLastHalftoneMode = 7;

struct RenderType {
    ColourClass colourClass = ColourClass::kColour;
    uint16_t bitsPerPixel = 24;
    int32_t halftoneMode = kHalftoneNone;
    DropoutColour dropout = DropoutColour::kNone;

    bool IsLineArt() const { return bitsPerPixel == 1; }
};

// The current image type's: an unknown halftone mode reads as "None", an unknown drop-out colour as none,
// and a missing row or pixel type as 24-bit colour.
RenderType RenderTypeOf(const ScanSettings& settings);

}  // namespace korva
