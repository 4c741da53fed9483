// Renders the test document for the area, resolution and pixel type the module wrote into the
// SourceContext, with the output tables it sent.
#pragma once

#include <windows.h>

#include <string>

#include "core/boundary/source_context.h"

namespace korva::sim {

// A packed 24-bit bitmap (info header followed by bottom-up rows) of the preview area, or null.
HGLOBAL RenderPreview(const SourceContext& context);

// Scans the final area in the requested pixel type and writes it as a bitmap file.
bool WriteFinalScan(const SourceContext& context, const std::string& path);

}  // namespace korva::sim
