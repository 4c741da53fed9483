#include "tools/datasource/scanner_response.h"

#include <cmath>

#include "tools/common/scanner_colour_response.h"
#include "tools/datasource/test_document.h"

namespace korva::sim {

ScannerResponse::ScannerResponse(int maxLevel) : maxLevel_(maxLevel) {
    for (int v = 0; v < 256; ++v) {
        const double c = v / 255.0;
        linear_[v] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
}

DeviceRgb ScannerResponse::Sample(const Bgr& truth) {
    const uint32_t key = (uint32_t{truth.r} << 16) | (uint32_t{truth.g} << 8) | truth.b;
    if (const auto found = seen_.find(key); found != seen_.end()) {
        return found->second;
    }
    const double light[3] = {linear_[truth.r], linear_[truth.g], linear_[truth.b]};
    DeviceRgb device{};
    for (int out = 0; out < 3; ++out) {
        double mixed = 0;
        for (int in = 0; in < 3; ++in) {
            mixed += tools::kCrossTalk[out][in] * light[in];
        }
        mixed = mixed < 0 ? 0 : mixed > 1 ? 1 : mixed;
        device[out] = static_cast<uint16_t>(maxLevel_ * std::pow(mixed, 1.0 / tools::kEncodingGamma) + 0.5);
    }
    seen_.emplace(key, device);
    return device;
}

}  // namespace korva::sim
