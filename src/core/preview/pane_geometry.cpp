#include "core/preview/pane_geometry.h"

#include <algorithm>

#include "core/preview/hit_test.h"
#include "core/preview/integer_math.h"

namespace korva {

BedSize BedForSource(const SourceContext& context, int32_t docSource, int32_t optionUnit) {
    if (docSource >= 1 && optionUnit != 2) {
        return {static_cast<int32_t>(context.Get(ctx::bedWidth1)), static_cast<int32_t>(context.Get(ctx::bedHeight1))};
    }
    return {static_cast<int32_t>(context.Get(ctx::bedWidth0)), static_cast<int32_t>(context.Get(ctx::bedHeight0))};
}

void SetPaneMaxFromDialog(PreviewView& view,
                          int32_t dialogRight,
                          int32_t placeholderLeft,
                          int32_t placeholderTop,
                          int32_t unitComboTop) {
    view.paneMaxWidth = Low32(int64_t{dialogRight} - placeholderLeft - 1);
    view.paneMaxHeight = Low32(int64_t{unitComboTop} - placeholderTop - 10);
}

std::optional<PreviewResolution> ComputePaneGeometry(PreviewView& view,
                                                     MarqueeList& marquees,
                                                     BedSize bed,
                                                     const PaneSettings& settings,
                                                     bool fullPreviewShown) {
    view.bedWidth = bed.width;
    view.bedHeight = bed.height;
    view.areaLeft = 0;
    view.areaTop = 0;
    view.areaWidth = view.selWidth = bed.width;
    view.areaHeight = view.selHeight = bed.height;
    view.currentRect = {};
    view.viewWidth = view.paneMaxWidth;
    view.viewHeight = Low32(DivideOrZero(int64_t{view.viewWidth} * view.areaHeight, view.areaWidth));
    if (view.viewHeight > view.paneMaxHeight) {
        view.viewHeight = view.paneMaxHeight;
        view.viewWidth = Low32(DivideOrZero(int64_t{view.viewHeight} * view.areaWidth, view.areaHeight));
    }
    view.paintWidth = view.viewWidth;
    view.paintHeight = view.viewHeight;
    PreviewResolutionRequest request;
    request.areaWidth = view.areaWidth;
    request.areaHeight = view.areaHeight;
    request.maxWidth = view.viewWidth;
    request.maxHeight = view.viewHeight;
    request.fullPreviewShown = fullPreviewShown;
    request.scalePercent = settings.scalePercent;
    request.scanResolution = settings.scanResolution;
    const auto chosen = ChoosePreviewResolution(request, settings.resolutions);
    if (chosen) {
        view.viewWidth = chosen->viewWidth;
        view.viewHeight = chosen->viewHeight;
    }
    view.fullWidth = view.viewWidth;
    view.fullHeight = view.viewHeight;
    marquees.SetGeometry(view);
    return chosen;
}

PaneWindowFrame PlacePaneWindow(const PreviewView& view,
                                const Rect& dialog,
                                const Rect& placeholder,
                                int32_t captionHeight,
                                bool exact) {
    const WindowBox box = WindowBoxFor(view);
    const int32_t border = exact ? 0 : 2;
    return {Low32(int64_t{placeholder.left} - dialog.left - 1),
            Low32(int64_t{placeholder.top} - dialog.top - captionHeight - 1), Low32(int64_t{box.width} + border),
            Low32(int64_t{box.height} + border)};
}

DialogSize MainDialogSizeForPane(const PreviewView& view,
                                 const Rect& dialog,
                                 const Rect& placeholder,
                                 const Rect& frame) {
    const WindowBox box = WindowBoxFor(view);
    const int64_t gap = int64_t{placeholder.left} - frame.right;
    const int64_t width = int64_t{placeholder.left} - dialog.left + box.width + gap / 2;
    const int64_t height =
        std::max(int64_t{placeholder.top} - dialog.top + box.height + gap, int64_t{frame.bottom} - dialog.top + gap);
    return {Low32(width), Low32(height)};
}

}  // namespace korva
