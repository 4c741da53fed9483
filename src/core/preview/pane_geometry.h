// The geometry of the preview pane when it shows the whole bed: the bed of the current document
// source, the largest pane the main dialog allows, the view fitted into it and the preview resolution.
#pragma once

#include <cstdint>
#include <optional>

#include "core/boundary/source_context.h"
#include "core/preview/marquee_list.h"
#include "core/preview/pane_settings.h"
#include "core/preview/preview_resolution.h"
#include "core/preview/preview_view.h"

namespace korva {

struct BedSize {
    int32_t width = 0;  // hundredths of an inch
    int32_t height = 0;
};

// The bed of entry 1 of the block when the document source is at least 1 and an option is installed
// (optionUnit not 2), else of entry 0.
BedSize BedForSource(const SourceContext& context, int32_t docSource, int32_t optionUnit);

// The pane size without a main dialog.
inline constexpr int32_t kPaneMaxWidthAlone = 416;
inline constexpr int32_t kPaneMaxHeightAlone = 600;

// The pane size the main dialog's layout allows, from screen coordinates: from the placeholder
// (control 190) to the dialog's right edge, less 1, and from the placeholder down to the unit combo box
// (control 138), less 10.
void SetPaneMaxFromDialog(PreviewView& view,
                          int32_t dialogRight,
                          int32_t placeholderLeft,
                          int32_t placeholderTop,
                          int32_t unitComboTop);

// Shows the whole bed: the area and the selection become the bed, no current rectangle, the view is the
// largest pane box with the bed's proportions (also the size painted white). Then the preview
// resolution is chosen for that view, the view takes the size it gives, and that size becomes the full
// preview's. The marquee list takes the new geometry. Returns the resolution choice (none when the bed
// or the device's list is empty; the view then keeps the pane box).
std::optional<PreviewResolution> ComputePaneGeometry(PreviewView& view,
                                                     MarqueeList& marquees,
                                                     BedSize bed,
                                                     const PaneSettings& settings,
                                                     bool fullPreviewShown);

}  // namespace korva
