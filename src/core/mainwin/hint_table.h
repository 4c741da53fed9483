// The status-line hints of the main dialog: which string describes the control under the mouse.
#pragma once

#include <cstdint>

namespace korva {

inline constexpr int kHintReady = 300;  // "Ready": no control with a hint

// The hint string of a control of the main dialog or its tab pages, or kHintReady.
int HintStringFor(int32_t controlId);

}  // namespace korva
