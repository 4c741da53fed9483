// One selection rectangle on the preview with its geometry in every coordinate system it survives
// zooming in, and its own snapshot of the scan settings (518 bytes when stored).
#pragma once

#include <cstdint>

#include "core/preview/rect.h"
#include "core/settings/settings_block.h"

namespace korva {

// The view that a zoom into a marquee produced; all zero when no zoom was made.
struct ZoomRecord {
    int32_t areaLeft = 0;  // hundredths of an inch
    int32_t areaTop = 0;
    int32_t areaWidth = 0;
    int32_t areaHeight = 0;
    int32_t viewWidth = 0;  // pixels
    int32_t viewHeight = 0;
    int32_t fullWidth = 0;
    int32_t fullHeight = 0;
    int32_t resolution = 0;
    int32_t scale = 0;
    int32_t scannedWidth = 0;  // hundredths of an inch
    int32_t scannedHeight = 0;

    bool IsEmpty() const { return *this == ZoomRecord{}; }
    friend bool operator==(const ZoomRecord&, const ZoomRecord&) = default;
};

struct Marquee {
    Rect view;        // view pixels, inclusive corners
    Rect viewTenths;  // tenths of view pixels
    Rect fullTenths;  // tenths of full-preview pixels
    Rect document;    // thousandths of an inch
    SettingsBlock settings;
    ZoomRecord zoom;
    Rect zoomRect;  // the marquee's view rectangle inside its zoom view
};

inline constexpr int kMarqueeRecordBytes = 518;
inline constexpr int kMarqueeSettingsOffset = 64;  // the SettingsBlock inside a stored record

}  // namespace korva
