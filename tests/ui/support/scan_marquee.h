// A marquee of the last run, as the tests of final scans restore it.
#pragma once

#include <cstdint>

#include "core/preview/marquee.h"

namespace korva::test {

// Two inches square, an inch from the top and `left` thousandths of an inch from the left, scanned at
// 300 dpi as image type `imageType`.
inline Marquee TwoInchMarquee(int32_t left, int32_t imageType) {
    Marquee marquee;
    marquee.document = {left, 1000, left + 2000, 3000};  // thousandths of an inch
    marquee.settings.imageType = imageType;
    marquee.settings.scanResolution = 300;
    marquee.settings.scalePercent = 100;
    marquee.settings.gamma = 100;
    marquee.settings.threshold = 128;
    return marquee;
}

}  // namespace korva::test
