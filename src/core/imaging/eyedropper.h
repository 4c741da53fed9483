// The eyedroppers of the adjustment windows: the colour under the pointer, averaged over the square
// that the "Eyedrop" setting names, and what picking it sets.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/imaging/swatch.h"
#include "core/settings/scan_settings.h"
#include "core/tone/tone_curve.h"

namespace korva {

// The average of the square of `size` x `size` pixels centred on (x, y) of a packed 24-bit bitmap, with
// x and y counted from the top-left corner; the square is cut to the picture and the sum rounded. None
// when the point lies outside the picture or the bitmap is not a readable 24-bit one.
std::optional<Rgb> AverageSquare(std::span<const uint8_t> packedDib, int32_t x, int32_t y, int32_t size);

// A colour as the picture shows it: each channel through its table (red, green, blue).
Rgb ThroughTables(Rgb colour, const DisplayTables& tables);

// Which value a picked colour sets.
enum class PickTarget { kHighlight, kShadow, kGrayPoint };

// Stores what the picked colour means into the settings: the highlight with the exposure that goes with
// it, the shadow, or the gray balance that makes the colour neutral (at full strength when the strength
// was 0). False when the colour cannot be used (a gray point with a channel at 0).
bool ApplyPickedColour(ScanSettings& settings, PickTarget target, Rgb colour, int32_t level);

}  // namespace korva
