#include "core/mainwin/scroll_position.h"

#include <algorithm>
#include <cstdio>

namespace korva {
namespace {

constexpr int32_t kFocusValueField = 776;

}  // namespace

int32_t ScrollPosition(int code, int16_t thumb, int32_t position, const ParameterRange& range) {
    switch (code) {
        case scroll::kLineUp:
            return std::max(position - range.lineStep, range.minimum);
        case scroll::kPageUp:
            return std::max(position - range.pageStep, range.minimum);
        case scroll::kLineDown:
            return std::min(position + range.lineStep, range.maximum);
        case scroll::kPageDown:
            return std::min(position + range.pageStep, range.maximum);
        case scroll::kThumbPosition:
        case scroll::kThumbTrack:
            return thumb;
        case scroll::kTop:
            return range.minimum;
        case scroll::kBottom:
            return range.maximum;
        default:
            return position;
    }
}

std::string ParameterValueText(int32_t valueFieldId, int32_t position) {
    char text[32];
    if (valueFieldId == kFocusValueField) {
        std::snprintf(text, sizeof text, "%4.1f", position / 10.0);
    } else {
        std::snprintf(text, sizeof text, "%d", position);
    }
    return text;
}

}  // namespace korva
