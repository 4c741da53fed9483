// The simulated sensor's response to the true sRGB colours of the document, at the precision of the scan:
// 8 bits for scans of up to 24 bits per pixel, 12 bits for the deep ones. The constants are those of the
// shared description of the scanner's colour response (the one its colour profile is made from).
#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>

namespace korva::sim {

struct Bgr;

// Device samples in red, green, blue order at the response's precision.
using DeviceRgb = std::array<uint16_t, 3>;

class ScannerResponse {
  public:
    // `maxLevel` is 255 or 4095.
    explicit ScannerResponse(int maxLevel);

    int MaxLevel() const { return maxLevel_; }
    // round(maxLevel x mixed ^ (1 / gamma)) per channel of the sensor's cross-talk mix of the linear light.
    DeviceRgb Sample(const Bgr& truth);

  private:
    int maxLevel_;
    std::array<double, 256> linear_{};
    std::unordered_map<uint32_t, DeviceRgb> seen_;  // the document has few distinct colours
};

}  // namespace korva::sim
