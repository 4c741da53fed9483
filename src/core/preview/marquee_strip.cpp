// The enable state of the marquee strip as a whole: the buttons beside the preview that act on the
// marquees and the zoom.
#include "core/preview/pane_ids.h"
#include "core/preview/preview_window_model.h"

namespace korva {

PaneActions PreviewWindowModel::RefreshStrip(bool previewExists) const {
    PaneActions out;
    ShowCount(out);
    const bool idle = !settings_.busy;
    const Marquee* current = marquees_.Current();
    const bool full = zoom_.fullPreviewShown;
    const bool zoomCached = !zoom_.lastZoomMarquee.zoom.IsEmpty();
    const bool showAgain = idle && previewExists && full && current != nullptr && zoomCached &&
                           current->fullTenths == zoom_.lastZoomMarquee.fullTenths;
    out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdWholeArea, idle && !full});
    out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdZoom,
                                idle && previewExists && full && current != nullptr && ZoomAllowed()});
    out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdShowZoomAgain, showAgain});
    out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdDuplicate, idle && current != nullptr});
    out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdDeleteMarquee, idle && current != nullptr});
    out.push_back(
        EnableControl{ControlHost::kMainDialog, pane::kIdScanAll, idle && marquees_.Count() >= 2 && ZoomAllowed()});
    return out;
}

}  // namespace korva
