#include "core/preview/focus_area.h"

#include "core/preview/integer_math.h"
#include "core/preview/view_factors.h"

namespace korva {
namespace {

int64_t MapIntoReference(int64_t low, int64_t high, int64_t point, int64_t thumb) {
    return low + (point * (high - low + 1) + thumb / 2) / thumb / 256;
}

// The start of a span of `side` around `centre`, moved to lie within 0..bed.
int64_t PlaceWithinBed(int64_t centre, int64_t side, int64_t bed) {
    int64_t start = centre - side / 2;
    if (start + side > bed) {
        start = bed - side;
    }
    return start < 0 ? 0 : start;
}

}  // namespace

std::optional<FocusArea> ComputeFocusArea(const PreviewView& view,
                                          const Marquee* current,
                                          const FocusPoint& point,
                                          const PaneSettings& settings,
                                          bool fullPreviewShown) {
    if (view.fullWidth <= 0 || view.fullHeight <= 0 || view.bedWidth <= 0 || view.bedHeight <= 0 ||
        point.thumbWidth <= 0 || point.thumbHeight <= 0 || !IsWithinGeometryLimit(view)) {
        return std::nullopt;
    }
    Rect reference{0, 0, view.fullWidth - 1, view.fullHeight - 1};
    if (!view.currentRect.IsEmpty() && current != nullptr) {
        const Rect& t = current->fullTenths;
        reference = {t.left / 10, t.top / 10, t.right / 10, t.bottom / 10};
    }
    const int64_t cx = MapIntoReference(reference.left, reference.right, point.x, point.thumbWidth);
    const int64_t cy = MapIntoReference(reference.top, reference.bottom, point.y, point.thumbHeight);
    FocusArea area;
    int64_t side = kFocusSideWithPixelSize;
    int64_t pixelSize = point.pixelSize;
    if (pixelSize == 0) {
        const int64_t quarter = (int64_t{reference.right} - reference.left + 1) / 4;
        side = RoundedDivide(quarter * view.bedWidth, view.fullWidth);
        pixelSize = side * 8;
    }
    const int64_t centreX = RoundedDivide(cx * view.bedWidth, view.fullWidth);
    const int64_t centreY = RoundedDivide(cy * view.bedHeight, view.fullHeight);
    area.left = Low32(PlaceWithinBed(centreX, side, view.bedWidth));
    area.top = Low32(PlaceWithinBed(centreY, side, view.bedHeight));
    area.side = Low32(side);
    area.pixelSize = Low32(pixelSize);
    PreviewResolutionRequest request;
    request.areaWidth = area.side;
    request.areaHeight = area.side;
    request.maxWidth = area.pixelSize;
    request.maxHeight = area.pixelSize;
    request.fullPreviewShown = fullPreviewShown;
    request.scalePercent = settings.scalePercent;
    request.scanResolution = settings.scanResolution;
    const auto chosen = ChoosePreviewResolution(request, settings.resolutions);
    if (!chosen) {
        return std::nullopt;
    }
    area.resolution = *chosen;
    return area;
}

std::optional<FocusPixels> ComputeFocusPixels(const FocusArea& area, int32_t bedWidth, bool fullPreviewRequested) {
    const int64_t dpi = int64_t{area.resolution.resolution} * area.resolution.scale / 100;
    int64_t width = int64_t{area.side} * dpi / 100;
    const int64_t height = width;
    const int64_t widest = int64_t{bedWidth} * dpi / 100;
    if (widest > width) {
        if (widest - width < 7 || fullPreviewRequested) {
            width = width / 8 * 8;
        } else {
            width = (width + 7) / 8 * 8;
        }
    } else {
        width = widest / 8 * 8;
    }
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    return FocusPixels{Low32(width), Low32(height), Low32(int64_t{area.left} * dpi / 100),
                       Low32(int64_t{area.top} * dpi / 100)};
}

}  // namespace korva
