// The position a parameter's scroll bar takes for a scroll request.
#pragma once

#include <cstdint>
#include <string>

#include "core/settings/image_processing.h"

namespace korva {

// Scroll codes as the platform sends them.
namespace scroll {
inline constexpr int kLineUp = 0;
inline constexpr int kLineDown = 1;
inline constexpr int kPageUp = 2;
inline constexpr int kPageDown = 3;
inline constexpr int kThumbPosition = 4;
inline constexpr int kThumbTrack = 5;
inline constexpr int kTop = 6;
inline constexpr int kBottom = 7;
inline constexpr int kEndScroll = 8;
}  // namespace scroll

// Line and page steps move the position within the parameter's range, the thumb codes take the signed
// 16-bit `thumb`, top and bottom go to the minimum and maximum; any other code keeps the position.
int32_t ScrollPosition(int code, int16_t thumb, int32_t position, const ParameterRange& range);

// The text of the parameter's value field: the position, or for the focus field (776) the position in
// tenths shown as "%4.1f".
std::string ParameterValueText(int32_t valueFieldId, int32_t position);

}  // namespace korva
