#include "core/mainwin/tool_window_closing.h"

namespace korva {

bool ClosesToolWindows(int command) {
    switch (command) {
        case 2:
        case 111:
        case 112:
        case 113:
        case 114:
        case 115:
        case 180:
        case 182:
        case 186:
        case 354:
        case 372:
        case 733:
        case 950:
        case 956:
        case 965:
        case 1019:
            return true;
        default:
            return false;
    }
}

}  // namespace korva
