// Resetting the image processing to its built-in values, as a new preview, a tab switch or colour
// matching asks for.
#pragma once

#include "core/settings/scan_settings.h"

namespace korva {

struct ResetKeeps {
    bool threshold = false;  // parameter 4 keeps its value
    bool invert = false;     // the invert flag keeps its value
};

// Every parameter (current and saved value) takes its default, except a kept threshold; the invert
// flag goes off unless kept; the tone map becomes the first; the per-channel balance values become 0
// (the per-channel gains and offsets stay).
void ResetImageProcessing(ScanSettings& settings, int32_t& invert, ResetKeeps keeps);

// The current tone map's row becomes the tone map in force and its working copy.
void CopyCurrentToneMap(ScanSettings& settings);

}  // namespace korva
