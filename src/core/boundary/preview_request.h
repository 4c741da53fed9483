// The block fields of the preview family of requests (full preview, zoom, focus area): a raw 24-bit
// RGB picture through identity tables and matrix, the area and resolution the preview-resolution
// choice gave, and the pixel fields, before the data source's "UIPreviewScan" is called.
#pragma once

#include <cstdint>

#include "core/boundary/source_context.h"
#include "core/preview/focus_area.h"
#include "core/preview/preview_resolution.h"
#include "core/settings/scan_settings.h"

namespace korva {

// What a preview request scans: resolution and scale as chosen for the view, and the area in
// hundredths of an inch (the scanned width and height of that choice).
struct PreviewRequestArea {
    int32_t resolution = 0;
    int32_t scale = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

PreviewRequestArea RequestAreaFor(const PreviewResolution& choice, int32_t areaLeft, int32_t areaTop);

// Writes a full-preview or zoom request; the settings' document source becomes the active page's. The
// pixel fields are the area at resolution x scale / 100 dots per inch, not truncated, each rounded.
// False when the pixel width or height is 0: the request must not reach the data source.
bool WritePreviewRequest(SourceContext& context, ScanSettings& settings, const PreviewRequestArea& area);

// Writes a focus-area request: the same fields, with the pixel fields the focus computation gave.
void WriteFocusRequest(SourceContext& context,
                       ScanSettings& settings,
                       const PreviewRequestArea& area,
                       const FocusPixels& pixels);

}  // namespace korva
