// The adjustment windows that the main dialog closes before some of its commands, and the values the
// parameter windows take from what the user types.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/settings/image_processing.h"

namespace korva {

// Commands that change what the adjustment windows ("Tools", "Gamma", "Color", "Setting") show: those
// windows close before the command runs. Only a click or a new choice in a list is such a command; a
// control's other notifications (focus, edits) are not.
bool ClosesToolWindows(int commandId, int notification);

// Exposure and highlight are two views of one density: after the user changed parameter `changed`, the
// other follows (the highlight from the exposure in stops, the exposure in tenths from the highlight),
// and exposure, gamma, highlight and shadow are kept within their ranges.
void LinkExposureAndHighlight(std::array<int32_t, kImageProcessingParameters>& values,
                              int changed,
                              int32_t level,
                              float focusPosition);

// A value typed into a parameter's edit field: a signed decimal number, clamped to the parameter's
// range; nothing when the text is not a number.
std::optional<int32_t> TypedParameterValue(std::string_view text, const ParameterRange& range);

}  // namespace korva
