// The main-dialog commands before which the adjustment windows ("Tools", "Gamma", "Color", "Setting")
// are closed: whatever they change would otherwise be edited in two places at once.
#pragma once

namespace korva {

bool ClosesToolWindows(int command);

}  // namespace korva
