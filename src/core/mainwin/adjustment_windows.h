// The commands of the main dialog and its pages before which the open adjustment windows ("Tools",
// "Gamma", "Color", "Setting") are closed: those that change the source, the image type or the
// preview underneath them, or that leave the main dialog.
#pragma once

namespace korva {

bool ClosesAdjustmentWindows(int commandId);

}  // namespace korva
