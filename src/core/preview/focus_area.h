// The area of a focus scan: a small square around the point the focus dialog chose on its thumbnail of
// the current marquee (or of the whole full preview), its preview resolution, and its pixel fields.
#pragma once

#include <cstdint>
#include <optional>

#include "core/preview/marquee.h"
#include "core/preview/pane_settings.h"
#include "core/preview/preview_resolution.h"
#include "core/preview/preview_view.h"

namespace korva {

// What the focus dialog hands over.
struct FocusPoint {
    int32_t x = 0;  // on the thumbnail, in 1/256 pixel
    int32_t y = 0;
    int32_t thumbWidth = 0;  // pixels
    int32_t thumbHeight = 0;
    int32_t pixelSize = 0;  // the pixel size asked for; 0 = none
};

inline constexpr int32_t kFocusSideWithPixelSize = 17;  // hundredths of an inch

struct FocusArea {
    int32_t left = 0;  // hundredths of an inch, within the bed
    int32_t top = 0;
    int32_t side = 0;              // the area is side x side hundredths of an inch
    int32_t pixelSize = 0;         // as asked, or 8 per hundredth of an inch of the side
    PreviewResolution resolution;  // chosen for the area with pixelSize x pixelSize pixels
};

// The focus area. The reference rectangle is the current marquee's full-preview rectangle (tenths / 10),
// or the whole full preview without a current rectangle; the point maps into it as
// left + ((x x (right - left + 1) + thumbWidth / 2) / thumbWidth) / 256. The side is 17 hundredths of an
// inch with a pixel size, else a quarter of the reference width converted to hundredths (rounded). The
// area is centred on the point in hundredths and moved to lie within the bed. None without a full
// preview, a bed or a resolution.
std::optional<FocusArea> ComputeFocusArea(const PreviewView& view,
                                          const Marquee* current,
                                          const FocusPoint& point,
                                          const PaneSettings& settings,
                                          bool fullPreviewShown);

struct FocusPixels {
    int32_t width = 0;
    int32_t height = 0;
    int32_t left = 0;
    int32_t top = 0;
};

// The pixel fields of the focus scan at dpi = resolution x scale / 100 (integer): side x dpi / 100, the
// width made a multiple of 8 (down when the device's widest scan at this dpi is fewer than 7 pixels
// further or a full preview is requested, else up; that widest scan rounded down when it is not larger),
// offsets left and top x dpi / 100. None when a side comes out 0.
std::optional<FocusPixels> ComputeFocusPixels(const FocusArea& area, int32_t bedWidth, bool fullPreviewRequested);

}  // namespace korva
