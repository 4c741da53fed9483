// The adjustment inputs the preview pane renders with, gathered from the scan settings.
#pragma once

#include <cstdint>
#include <span>

#include "core/imaging/preview_pipeline.h"
#include "core/settings/scan_settings.h"

namespace korva {

// Every value the main window owns: the image-processing values, the tone map in force and the channel
// lines, unsharp mask, colour matching, the image type and the document source. Invert (a flag of the
// main window) and the screen calibration stay off for the caller to set.
PreviewAdjustments AdjustmentsFor(const ScanSettings& settings,
                                  std::span<const uint8_t> preview,
                                  int32_t optionUnit,
                                  DisplayKind display);

}  // namespace korva
