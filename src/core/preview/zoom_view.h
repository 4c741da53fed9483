// The view of a zoom into the current marquee: the marquee's area grown by a tenth of its size on every
// side within the bed, fitted into the pane box, with the preview resolution chosen for it and the
// marquee's place in the new view; and the switches between the zoom and the full preview.
#pragma once

#include <optional>

#include "core/preview/marquee.h"
#include "core/preview/marquee_list.h"
#include "core/preview/pane_geometry.h"
#include "core/preview/pane_settings.h"
#include "core/preview/preview_view.h"
#include "core/preview/rect.h"

namespace korva {

struct ZoomView {
    ZoomRecord record;
    Rect rect;  // the marquee inside the zoom view
};

// A zoom record that can describe a view: positive area and view sizes.
bool IsUsableZoomRecord(const ZoomRecord& zoom);

// The zoom into `source` (the current marquee) from the present full-preview geometry. A marquee that
// still carries a usable zoom record gives that record and its zoom rectangle. Otherwise its area (one
// pixel wider and higher than its view rectangle) grows by 10 % of its width left and right and of its
// height at top and bottom; a side that would come within 1/100 inch of the bed's origin stays and only
// the far side grows, and a far side past the bed is cut there. The area is fitted into the window box
// (turned for a landscape area), the preview resolution is chosen for it (scale at most 100 %), and the
// marquee's rectangle follows from its document rectangle, right and bottom at most the view size - 2.
// None when the geometry or the device's resolution list leaves no view.
std::optional<ZoomView> ComputeZoomView(const PreviewView& view, const Marquee& source, const PaneSettings& settings);

// Makes the zoom the view: area and view size from the record, the list converted into it (the current
// marquee is the zoom source) and the zoom recorded in it; the marquee's zoom rectangle becomes current.
void EnterZoomView(PreviewView& view, MarqueeList& marquees, const ZoomView& zoom);

// Back to the full preview: a zoom source edited while zoomed loses its zoom record, the pane shows the
// whole bed again (pane geometry), every marquee returns to its full-preview place and the current
// marquee's rectangle becomes current.
std::optional<PreviewResolution> LeaveZoomView(PreviewView& view,
                                               MarqueeList& marquees,
                                               BedSize bed,
                                               const PaneSettings& settings);

}  // namespace korva
