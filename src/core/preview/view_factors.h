// The factors that relate a view (the full preview or a zoom) to the bed: the whole bed measured in
// view pixels, the view's origin in tenths of view pixels, and the sizes of the bed and the full preview.
#pragma once

#include <cstdint>

#include "core/preview/preview_view.h"
#include "core/preview/rect.h"

namespace korva {

// Largest magnitude of a geometry value (pixels or hundredths of an inch) the factors accept; a
// geometry beyond it counts as none, so that no product of the conversions can overflow.
inline constexpr int32_t kMaxGeometryValue = 1 << 20;

// Whether every value of the geometry (or of the rectangle) lies within kMaxGeometryValue.
bool IsWithinGeometryLimit(const PreviewView& view);
bool IsWithinGeometryLimit(const Rect& rect);

struct ViewFactors {
    int32_t fullW = 0;  // the full preview, pixels
    int32_t fullH = 0;
    int32_t bedPxW = 0;  // (areaWidth / 2 + viewWidth x bedWidth) / areaWidth
    int32_t bedPxH = 0;
    int32_t offTenthsX = 0;  // (areaWidth / 2 + areaLeft x viewWidth x 10) / areaWidth
    int32_t offTenthsY = 0;
    int32_t bedW = 0;  // hundredths of an inch
    int32_t bedH = 0;
};

// All zero when a value of the geometry lies beyond kMaxGeometryValue; a zero area gives zero factors.
ViewFactors FactorsFor(const PreviewView& view);

// A document rectangle (thousandths of an inch) in tenths of view pixels:
// thousandths x bedPx / bed, rounded, less the view's origin.
Rect ViewTenthsFromDocument(const ViewFactors& factors, const Rect& document);

// A view rectangle from tenths: (tenths + 5) / 10 on each side.
Rect PixelsFromTenths(const Rect& tenths);

}  // namespace korva
