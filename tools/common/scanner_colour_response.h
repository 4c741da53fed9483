// How the simulated scanner sees colour. The test chart's true colours are sRGB values. The simulated
// sensor mixes neighbouring channels (cross-talk) in linear light and encodes the result with a plain
// power curve instead of the sRGB curve, so its raw colours are duller and lighter than the truth:
//
//   linear  = sRGB decoding of the true value (per channel, 0..1)
//   mixed   = kCrossTalk x linear               (rows: red, green, blue out; each row sums to 1)
//   device  = 255 x mixed ^ (1 / kEncodingGamma), rounded
//
// The scanner profile "qa4100r.icm" describes exactly this response (device RGB to colorimetry), so that
// colour matching brings the scanned colours back to the chart's true ones.
#pragma once

namespace korva::tools {

inline constexpr double kCrossTalk[3][3] = {
    {0.80, 0.15, 0.05},
    {0.10, 0.80, 0.10},
    {0.05, 0.15, 0.80},
};

inline constexpr double kEncodingGamma = 1.8;

}  // namespace korva::tools
