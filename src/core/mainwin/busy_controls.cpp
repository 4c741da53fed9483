#include "core/mainwin/busy_controls.h"

namespace korva {

BusyControls BusyControlsFor(int32_t busy, int32_t marqueeCount, int32_t docSource, int32_t optionUnit) {
    BusyControls controls;
    controls.commands = busy == 0;
    controls.scanAll = busy == 0 && marqueeCount >= 2 && (docSource < 1 || optionUnit != 0);
    return controls;
}

}  // namespace korva
