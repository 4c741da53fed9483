#include "core/settings/image_processing.h"

#include <cmath>

namespace korva {
namespace {

struct ParameterRow {
    int32_t controlId;
    int32_t minimum;
    int32_t maximum;
    int32_t lineStep;
    int32_t pageStep;
    int32_t defaultValue;
};

// Exposure's range depends on the level and focus's default on the focus position; both are set below.
constexpr ParameterRow kRows[kImageProcessingParameters] = {
    {200, -10, 20, 1, 2, 0},   {210, 50, 500, 17, 34, 100}, {220, 61, 490, 15, 30, 245}, {230, 0, 60, 1, 2, 8},
    {250, 0, 255, 1, 5, 128},  {260, 0, 100, 5, 25, 0},     {270, -100, 100, 5, 25, 0},  {600, 5, 25, 1, 0, 100},
    {414, -100, 100, 1, 0, 0}, {414, -100, 100, 1, 0, 0},   {0, 0, 0, 0, 0, 0},          {0, 0, 0, 0, 0, 0},
    {240, -2, 2, 1, 1, 1},     {775, -20, 60, 1, 5, 0},
};

}  // namespace

ParameterRange ImageProcessingParameter(int k, int32_t level, float focusPosition) {
    if (k < 0 || k >= kImageProcessingParameters) {
        return {};
    }
    const ParameterRow& row = kRows[k];
    ParameterRange range{
        row.controlId, row.minimum, row.maximum, row.lineStep, row.pageStep, ParameterDefault(k, focusPosition), false};
    switch (k) {
        case iproc::kExposure:
            if (level < 2) {
                range.minimum = -3;
                range.maximum = 3;
            }
            range.available = true;
            break;
        case iproc::kSaturation:
        case iproc::kColourValue8:
        case iproc::kColourValue9:
            range.available = level > 1 && level != 4;
            break;
        case 10:
        case 11:
            break;
        default:
            range.available = level > 1;
            break;
    }
    return range;
}

int32_t ParameterDefault(int k, float focusPosition) {
    if (k == iproc::kFocus) {
        return TruncateToInt32(focusPosition * 10.0f);
    }
    if (k < 0 || k >= kImageProcessingParameters) {
        return 0;
    }
    return kRows[k].defaultValue;
}

int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return INT32_MAX;
    }
    if (value <= -2147483648.0) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(value);
}

}  // namespace korva
