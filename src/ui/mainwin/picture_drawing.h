// Drawing the module's pictures into owner-drawn items. Every picture comes from the resources of
// `instance`, the module's own instance.
#pragma once

#include <windows.h>

#include <optional>

#include "core/imaging/picture_names.h"

namespace korva {

// Fills `rect` with the device context's background colour.
void FillWithBackground(HDC dc, const RECT& rect);

// Copies the ordinary bitmap `choice` names into `item` as its fit says; the standard greys of the
// bitmap show in the current 3-D colours. Returns where the picture landed, or nothing when the
// resources do not carry the bitmap.
std::optional<PixelBox> DrawPicture(HINSTANCE instance, HDC dc, const RECT& item, const PictureChoice& choice);

// Stretches the 16-colour tab bitmap `choice` names over `item`, its colour-table entry 7 replaced by the
// current face colour. False when the resources do not carry it or no memory is left for the copy.
bool DrawTabPicture(HINSTANCE instance, HDC dc, const RECT& item, const PictureChoice& choice);

}  // namespace korva
