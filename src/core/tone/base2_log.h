// Base-2 logarithms as the tone and exposure arithmetic computes them: a base-10 logarithm scaled by a
// rounded constant. Table entries near a .5 boundary depend on these exact forms, so they are not
// replaced by std::log2.
#pragma once

#include <cmath>

namespace korva {

// Used by the tone curves, display tables and density conversions.
inline double ToneLog2(double x) {
    return std::log10(x) * 3.3219281;
}

// Used by automatic exposure, with the longer constant.
inline double ExposureLog2(double x) {
    return std::log10(x) * 3.321928095;
}

}  // namespace korva
