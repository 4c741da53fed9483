#include "core/boundary/focus_run.h"

#include "core/boundary/preview_request.h"
#include "core/preview/focus_area.h"
#include "core/settings/image_processing.h"

namespace korva {
namespace {

constexpr int kFocusFailedString = 15;
constexpr char kFocusFailedCaption[] = "QXTWAIN32";

// The centre of the reference rectangle: half of a thumbnail one pixel wide and high.
constexpr FocusPoint kCentre{128, 128, 1, 1, 0};

}  // namespace

ScanAreaFields SaveScanArea(const SourceContext& context) {
    return {context.Get(ctx::dsAreaLeft), context.Get(ctx::dsAreaTop), context.Get(ctx::dsAreaWidth),
            context.Get(ctx::dsAreaHeight)};
}

void RestoreScanArea(SourceContext& context, const ScanAreaFields& area) {
    context.Set(ctx::dsAreaLeft, area.left);
    context.Set(ctx::dsAreaTop, area.top);
    context.Set(ctx::dsAreaWidth, area.width);
    context.Set(ctx::dsAreaHeight, area.height);
}

bool PrepareFocusRun(SourceContext& context,
                     ScanSettings& settings,
                     const PreviewView& view,
                     const Marquee* current,
                     const PaneSettings& pane,
                     bool fullPreviewShown,
                     bool fullPreviewRequested) {
    const std::optional<FocusArea> area = ComputeFocusArea(view, current, kCentre, pane, fullPreviewShown);
    if (!area) {
        return false;
    }
    const std::optional<FocusPixels> pixels = ComputeFocusPixels(*area, view.bedWidth, fullPreviewRequested);
    if (!pixels) {
        return false;
    }
    context.Set(ctx::focusMode, kFocusModeRun);
    WriteFocusRequest(context, settings, RequestAreaFor(area->resolution, area->left, area->top), *pixels);
    return true;
}

std::optional<int32_t> TakeFocusRunResult(const SourceContext& context,
                                          ScanSettings& settings,
                                          Services& services,
                                          WindowRef owner) {
    const auto tenths = static_cast<int32_t>(context.Get(ctx::focusTenths));
    if (tenths == kFocusFailed) {
        services.messages.Show(owner, services.strings.Load(kFocusFailedString), kFocusFailedCaption, mb::kOk);
        return std::nullopt;
    }
    settings.focusPosition = static_cast<float>(tenths) / 10.0f;
    settings.iproc[iproc::kFocus] = tenths;
    return tenths;
}

}  // namespace korva
