// The "ImageSetting" section of the driver INI file: the image-processing values, colour values,
// lock flags, scale, preview area and selections that belong to the current preview image.
#pragma once

#include <cstdint>

#include "core/preview/preview_view.h"
#include "core/settings/scan_settings.h"
#include "platform/services.h"

namespace korva {

// Reads the section for a preview image of the given bitmap size (its low 16 bits become the view
// size): each image-processing value becomes both its current and saved value, the area becomes the
// selection and output size, and the three rectangles default to the whole view.
void LoadImageSettings(ScanSettings& settings,
                       PreviewView& view,
                       Services& services,
                       int32_t bitmapWidth,
                       int32_t bitmapHeight);

// Reads the 14 image-processing values ("IprocValue0" … "IprocValue13", each with its built-in default)
// as current and saved values.
void ReadImageProcessingValues(ScanSettings& settings, Services& services);

// Writes the image-processing values "IprocValue0" … "IprocValue13" except the threshold (4), as the
// Photo page keeps them after automatic exposure.
void WriteExposureValues(const ScanSettings& settings, Services& services);

// Writes the section: the Photo page without colour matching writes the image-processing values
// except the threshold, the OCR page only the threshold; the rectangles and paper sizes only with a
// preview; the nine colour floats scaled by 1000 or 100 and truncated.
void SaveImageSettings(const ScanSettings& settings, const PreviewView& view, bool previewExists, Services& services);

}  // namespace korva
