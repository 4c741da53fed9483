// The focus run: the data source focuses on a small area around the centre of the current marquee (or of
// the whole full preview) and writes the focus position it found, in tenths, back into the block.
#pragma once

#include <cstdint>
#include <optional>

#include "core/boundary/source_context.h"
#include "core/preview/marquee.h"
#include "core/preview/pane_settings.h"
#include "core/preview/preview_view.h"
#include "core/settings/scan_settings.h"
#include "platform/services.h"

namespace korva {

inline constexpr int32_t kFocusModeRun = 3;
inline constexpr int32_t kFocusFailed = -100;  // what the data source writes when focusing failed

// The scan-area fields of the block, kept across the focus run.
struct ScanAreaFields {
    int64_t left = 0;
    int64_t top = 0;
    int64_t width = 0;
    int64_t height = 0;
};
ScanAreaFields SaveScanArea(const SourceContext& context);
void RestoreScanArea(SourceContext& context, const ScanAreaFields& area);

// Writes the request of the focus run: focus mode 3 and the focus area around the centre of the current
// marquee (the whole full preview without a current rectangle) with its pixel fields. False when the
// geometry gives no area; the data source is then not to be called.
bool PrepareFocusRun(SourceContext& context,
                     ScanSettings& settings,
                     const PreviewView& view,
                     const Marquee* current,
                     const PaneSettings& pane,
                     bool fullPreviewShown,
                     bool fullPreviewRequested);

// After the run: the position found, in tenths, which becomes the focus position; or, when focusing
// failed, nothing and the message (string 15, caption "QXTWAIN32", OK) has been shown.
std::optional<int32_t> TakeFocusRunResult(const SourceContext& context,
                                          ScanSettings& settings,
                                          Services& services,
                                          WindowRef owner);

}  // namespace korva
