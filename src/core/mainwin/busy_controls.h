// Which command buttons the data source's busy message leaves enabled.
#pragma once

#include <cstdint>

namespace korva {

struct BusyControls {
    bool commands = false;  // Scan (1), Preview (733) and the settings button (196)
    bool scanAll = false;   // the all-marquees button (729)
};

// Everything is enabled when the data source is idle; the all-marquees scan needs two marquees and no
// document feeder in use (document source below 1, or an option other than the feeder).
BusyControls BusyControlsFor(int32_t busy, int32_t marqueeCount, int32_t docSource, int32_t optionUnit);

}  // namespace korva
