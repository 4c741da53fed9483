// Automatic exposure of the selection on the preview: the kind of document from the source, the
// calibration's gamma, the analysis and the results stored into the image-processing values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/preview/rect.h"
#include "core/settings/scan_settings.h"
#include "core/tone/auto_exposure.h"

namespace korva {

// Negative film through the transparency unit (document source 1), positive film (source 2), else a
// reflective document.
ExposureMode ExposureModeFor(int32_t docSource, int32_t optionUnit);

struct SelectionExposure {
    std::span<const uint8_t> preview;  // a packed 24-bit bitmap
    Rect selection;                    // preview pixels from the top-left corner; empty = the whole preview
    int32_t docSource = 0;
    int32_t optionUnit = 2;
    bool gammaHeldFixed = false;
};

// Analyses the selection and stores exposure, gamma, highlight, shadow and the per-channel lines and
// balance into the settings. False (nothing changed) without a usable 24-bit preview.
bool ExposeSelection(ScanSettings& settings, const SelectionExposure& request);

}  // namespace korva
