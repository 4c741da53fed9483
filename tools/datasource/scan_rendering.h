// The images the data source hands over: a packed device-independent bitmap in movable global memory,
// the preview for the module and each final scan for the application.
#pragma once

#include <windows.h>

#include "tools/common/bitmap_writer.h"

namespace korva::sim {

// The info header, colour table and bottom-up rows, or null when memory runs out.
HGLOBAL PackDib(const tools::BitmapImage& image, double dpi);

}  // namespace korva::sim
