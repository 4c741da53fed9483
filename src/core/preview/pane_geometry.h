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
#include "core/preview/rect.h"

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

// Where the preview window goes in the main dialog's client area and how large it is.
struct PaneWindowFrame {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// From screen rectangles: x = placeholder (control 190) left - dialog left - 1, y = placeholder top -
// dialog top - caption height - 1; the size is the window box, 2 pixels wider and higher unless `exact`
// (the border then lies outside the box).
PaneWindowFrame PlacePaneWindow(const PreviewView& view,
                                const Rect& dialog,
                                const Rect& placeholder,
                                int32_t captionHeight,
                                bool exact);

struct DialogSize {
    int32_t width = 0;
    int32_t height = 0;
};

// The main dialog's size that encloses the pane, from screen rectangles. With g = placeholder left -
// right of the left-hand controls' frame (control 354): width = (placeholder left - dialog left) + box
// width + g / 2; height = (placeholder top - dialog top) + box height + g, at least (frame bottom - dialog
// top) + g.
DialogSize MainDialogSizeForPane(const PreviewView& view,
                                 const Rect& dialog,
                                 const Rect& placeholder,
                                 const Rect& frame);

}  // namespace korva
