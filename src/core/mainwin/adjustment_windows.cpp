#include "core/mainwin/adjustment_windows.h"

#include <algorithm>
#include <array>

namespace korva {

bool ClosesAdjustmentWindows(int commandId) {
    constexpr std::array kCommands{2, 180, 182, 186, 354, 372, 733, 950, 956, 965, 1019};
    return (commandId >= 111 && commandId <= 115) ||
           std::find(kCommands.begin(), kCommands.end(), commandId) != kCommands.end();
}

}  // namespace korva
