// Rendering for 8 bits per pixel: the image types below 24 bits, and every type but line art on a display
// of 8 or fewer bits per pixel. Grey types become their levels with a grey ramp; other types the 216
// most popular colours.
#pragma once

#include "core/imaging/render_type.h"
#include "core/imaging/rendered_image.h"

namespace korva {

// What drawing the indexed image 1:1 into the pane needs besides the blit.
struct IndexedDisplaySteps {
    bool clearPaneFirst = false;      // paint the pane white first
    bool makeDisplayPalette = false;  // make, select and realise a palette from the image's header
};

// Rewrites a 24-bit image in place as 8-bit indices, rows padded to 4 bytes, with L colours: 216 on a
// palette display, else 256.
// - Grey class: the index is the level with offset 0, at most L - 1; colour i is grey i * 255 / (L - 1).
//   Only a palette display needs a display palette.
// - Other classes: popularity quantisation; a display palette is always made, and on a palette display
//   the pane is painted white first.
IndexedDisplaySteps RenderColourOrGrey(RenderedImage& image, const RenderType& type, bool paletteDisplay);

}  // namespace korva
