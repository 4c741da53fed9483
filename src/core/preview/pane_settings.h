// The settings the preview window reads but does not own: they belong to the main dialog and its pages,
// which keep this copy up to date. The window reports the changes it makes (the scale) as actions.
#pragma once

#include <cstdint>
#include <vector>

namespace korva {

// The scale limits of every scale clamp, in percent. No operation changes them.
inline constexpr int32_t kScaleMin = 25;
inline constexpr int32_t kScaleMax = 400;

struct PaneSettings {
    int32_t docSource = 0;   // document source of the active tab page
    int32_t optionUnit = 2;  // installed option: 0 feeder, 1 transparency unit, 2 none
    int32_t scanResolution = 0;
    int32_t scalePercent = 100;
    uint16_t outWidth = 0;  // output size, hundredths of an inch
    uint16_t outHeight = 0;
    bool outWidthLocked = false;
    bool outHeightLocked = false;
    bool scaleLocked = false;
    bool imageLocked = false;           // both output dimensions locked: no new marquees are drawn
    bool busy = false;                  // a scan runs
    bool darkDocument = false;          // the image type has 1 bit per pixel
    std::vector<uint16_t> resolutions;  // the device's resolutions, ascending
    int32_t scaleMin = kScaleMin;
    int32_t scaleMax = kScaleMax;
};

}  // namespace korva
