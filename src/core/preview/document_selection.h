// The selection in document coordinates, as a settings snapshot records it.
#pragma once

#include "core/preview/preview_view.h"
#include "core/settings/settings_capture.h"

namespace korva {

// Width and height are the selection size (selWidth, selHeight); left and top are the current
// rectangle's corner converted to hundredths of an inch and moved by the shown area's origin. Without a
// view the corner is the area's origin.
DocumentSelection SelectionInDocument(const PreviewView& view);

}  // namespace korva
