// The 16-colour rendering of the extended dialogs' small previews: 4 bits per pixel, two pixels per byte,
// the first in the high nibble.
#pragma once

#include "core/imaging/render_type.h"
#include "core/imaging/rendered_image.h"

namespace korva {

// Rewrites a 24-bit image in place as 4 bits per pixel, rows padded to 4 bytes; the spare nibble of an
// odd-width row and the padding are 0.
// - Grey class: 16 greys i * 255 / 15; a pixel's nibble is the top four bits of its level with offset 0.
// - Other classes: 8 colours whose channels are 0 or 255 by the entry's bits (bit 0 blue, bit 1 green,
//   bit 2 red). Each channel of a pixel sets its bit by the image type's halftone mode without offset:
//   mode 0 its top bit; modes 1..3 error diffusion of the channel alone with the mode's matrix; modes
//   4..7 the channel not below the matrix entry.
void RenderSixteenColours(RenderedImage& image, const RenderType& type);

}  // namespace korva
