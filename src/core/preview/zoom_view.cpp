#include "core/preview/zoom_view.h"

#include <algorithm>
#include <utility>

#include "core/preview/integer_math.h"
#include "core/preview/view_factors.h"

namespace korva {
namespace {

struct Span {
    int64_t start = 0;
    int64_t length = 0;
};

// One axis of the zoom area: the marquee's span grown by a tenth of its length on both sides.
Span GrowWithinBed(Span marquee, int64_t bed) {
    const int64_t grow = marquee.length / 10;
    Span zoom;
    if (marquee.start - grow < 1) {
        zoom = {marquee.start, marquee.length + grow};
    } else {
        zoom = {marquee.start - grow, marquee.length + 2 * grow};
    }
    if (zoom.start + zoom.length > bed) {
        zoom.length = bed - zoom.start;
    }
    return zoom;
}

}  // namespace

bool IsUsableZoomRecord(const ZoomRecord& z) {
    return z.areaWidth > 0 && z.areaHeight > 0 && z.viewWidth > 0 && z.viewHeight > 0;
}

std::optional<ZoomView> ComputeZoomView(const PreviewView& view, const Marquee& source, const PaneSettings& settings) {
    if (IsUsableZoomRecord(source.zoom)) {
        return ZoomView{source.zoom, source.zoomRect};
    }
    const Rect& r = source.view;
    if (view.viewWidth <= 0 || view.viewHeight <= 0 || !IsWithinGeometryLimit(view) || !IsWithinGeometryLimit(r)) {
        return std::nullopt;
    }
    const Span x = GrowWithinBed({view.areaLeft + int64_t{r.left} * view.areaWidth / view.viewWidth,
                                  (int64_t{r.right} - r.left + 1) * view.areaWidth / view.viewWidth},
                                 view.bedWidth);
    const Span y = GrowWithinBed({view.areaTop + int64_t{r.top} * view.areaHeight / view.viewHeight,
                                  (int64_t{r.bottom} - r.top + 1) * view.areaHeight / view.viewHeight},
                                 view.bedHeight);
    if (x.length <= 0 || y.length <= 0) {
        return std::nullopt;
    }
    int64_t boxW = view.fullWidth;
    int64_t boxH = view.fullHeight;
    if (x.length > y.length) {
        std::swap(boxW, boxH);
    }
    int64_t fitW = boxW;
    int64_t fitH = fitW * y.length / x.length;
    if (fitH > boxH) {
        fitH = boxH;
        fitW = fitH * x.length / y.length;
    }
    PreviewResolutionRequest request;
    request.areaWidth = Low32(x.length);
    request.areaHeight = Low32(y.length);
    request.maxWidth = Low32(fitW);
    request.maxHeight = Low32(fitH);
    request.fullPreviewShown = false;
    request.scalePercent = settings.scalePercent;
    request.scanResolution = settings.scanResolution;
    const auto chosen = ChoosePreviewResolution(request, settings.resolutions);
    if (!chosen) {
        return std::nullopt;
    }
    ZoomView zoom;
    ZoomRecord& z = zoom.record;
    z.areaLeft = Low32(x.start);
    z.areaTop = Low32(y.start);
    z.areaWidth = Low32(x.length);
    z.areaHeight = Low32(y.length);
    z.viewWidth = chosen->viewWidth;
    z.viewHeight = chosen->viewHeight;
    z.fullWidth = view.fullWidth;
    z.fullHeight = view.fullHeight;
    z.resolution = chosen->resolution;
    z.scale = chosen->scale;
    z.scannedWidth = chosen->scannedWidth;
    z.scannedHeight = chosen->scannedHeight;

    PreviewView zoomed = view;
    zoomed.areaLeft = z.areaLeft;
    zoomed.areaTop = z.areaTop;
    zoomed.areaWidth = z.areaWidth;
    zoomed.areaHeight = z.areaHeight;
    zoomed.viewWidth = z.viewWidth;
    zoomed.viewHeight = z.viewHeight;
    zoom.rect = PixelsFromTenths(ViewTenthsFromDocument(FactorsFor(zoomed), source.document));
    zoom.rect.right = Low32(std::min<int64_t>(zoom.rect.right, int64_t{z.viewWidth} - 2));
    zoom.rect.bottom = Low32(std::min<int64_t>(zoom.rect.bottom, int64_t{z.viewHeight} - 2));
    return zoom;
}

void EnterZoomView(PreviewView& view, MarqueeList& marquees, const ZoomView& zoom) {
    const ZoomRecord& z = zoom.record;
    view.areaLeft = z.areaLeft;
    view.areaTop = z.areaTop;
    view.areaWidth = z.areaWidth;
    view.areaHeight = z.areaHeight;
    view.viewWidth = z.viewWidth;
    view.viewHeight = z.viewHeight;
    view.paintWidth = z.viewWidth;
    view.paintHeight = z.viewHeight;
    marquees.SetGeometry(view);
    marquees.EnterZoom(zoom.rect);
    marquees.RecordZoom(z, zoom.rect);
    view.currentRect = zoom.rect;
}

std::optional<PreviewResolution> LeaveZoomView(PreviewView& view,
                                               MarqueeList& marquees,
                                               BedSize bed,
                                               const PaneSettings& settings) {
    if (marquees.ZoomSourceEdited()) {
        marquees.RecordZoom({}, {});
    }
    auto chosen = ComputePaneGeometry(view, marquees, bed, settings, true);
    marquees.LeaveZoom();
    const Marquee* current = marquees.Current();
    view.currentRect = current != nullptr ? current->view : Rect{};
    return chosen;
}

}  // namespace korva
