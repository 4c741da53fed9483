// The preview the data source hands the module: a packed 24-bit bitmap in movable global memory.
#pragma once

#include <windows.h>

#include "tools/common/bitmap_writer.h"

namespace korva::sim {

// The info header followed by the image's bottom-up rows, or null when memory runs out.
HGLOBAL PackPreview(const tools::BitmapImage& image, double dpi);

}  // namespace korva::sim
