#include "core/mainwin/tool_windows.h"

#include <algorithm>
#include <charconv>

#include "core/tone/density.h"
#include "core/tone/tone_state.h"

namespace korva {

bool ClosesToolWindows(int commandId, int notification) {
    constexpr int kCommands[] = {2, 111, 112, 113, 114, 115, 180, 182, 186, 372, 354, 733, 950, 956, 965, 1019};
    constexpr int kClicked = 0;        // a button, a menu item or an accelerator
    constexpr int kSelectionMade = 1;  // a new choice in a list
    return (notification == kClicked || notification == kSelectionMade) &&
           std::find(std::begin(kCommands), std::end(kCommands), commandId) != std::end(kCommands);
}

void LinkExposureAndHighlight(std::array<int32_t, kImageProcessingParameters>& values,
                              int changed,
                              int32_t level,
                              float focusPosition) {
    if (changed == iproc::kExposure) {
        values[iproc::kHighlight] = DensityToHighlight(static_cast<float>(values[iproc::kExposure]) / 10.0f);
    } else if (changed == iproc::kHighlight) {
        values[iproc::kExposure] = ExposureTenthsForHighlight(values[iproc::kHighlight]);
    } else {
        return;
    }
    for (int k : {iproc::kExposure, iproc::kGamma, iproc::kHighlight, iproc::kShadow}) {
        const ParameterRange range = ImageProcessingParameter(k, level, focusPosition);
        values[k] = std::clamp(values[k], range.minimum, range.maximum);
    }
}

std::optional<int32_t> TypedParameterValue(std::string_view text, const ParameterRange& range) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error == std::errc::invalid_argument || end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        value = text.front() == '-' ? range.minimum : range.maximum;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(value, range.minimum, range.maximum));
}

}  // namespace korva
