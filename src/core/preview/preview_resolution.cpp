#include "core/preview/preview_resolution.h"

#include <algorithm>

#include "core/preview/integer_math.h"

namespace korva {

std::optional<PreviewResolution> ChoosePreviewResolution(const PreviewResolutionRequest& q,
                                                         std::span<const uint16_t> resolutions) {
    if (q.areaWidth <= 0 || q.areaHeight <= 0) {
        return std::nullopt;
    }
    const int64_t wanted = std::min(int64_t{q.maxWidth} * 100 / q.areaWidth, int64_t{q.maxHeight} * 100 / q.areaHeight);
    const int64_t maxScale = q.fullPreviewShown ? 200 : 100;
    int64_t bestError = 30000;
    int64_t bestResolution = 0;
    int64_t bestScale = q.scalePercent;
    for (const uint16_t r : resolutions) {
        if (r == 0) {
            continue;
        }
        const int64_t s = std::clamp<int64_t>((wanted * 10000 / r + 49) / 100, 50, maxScale);
        const int64_t error = Abs64(wanted - r * s / 100);
        if (error < bestError || (error == bestError && Abs64(s - 100) < Abs64(bestScale - 100))) {
            bestError = error;
            bestResolution = r;
            bestScale = s;
        }
    }
    const int64_t dpi = bestResolution * bestScale / 100;
    if (bestResolution == 0 || dpi <= 0) {
        return std::nullopt;
    }
    const int64_t widthTaken = dpi * q.areaWidth / 100 > q.maxWidth ? int64_t{q.maxWidth} * 100 / dpi : q.areaWidth;
    const int64_t heightTaken =
        dpi * q.areaHeight / 100 > q.maxHeight ? int64_t{q.maxHeight} * 100 / dpi : q.areaHeight;
    PreviewResolution result;
    result.resolution = Low32(bestResolution);
    result.scale = Low32(bestScale);
    result.viewWidth = Low32(dpi * widthTaken / 100);
    result.viewHeight = Low32(dpi * heightTaken / 100);
    result.scannedWidth = Low32(int64_t{result.viewWidth} * 100 / dpi);
    result.scannedHeight = Low32(int64_t{result.viewHeight} * 100 / dpi);
    const int64_t largest = resolutions.back();
    if (q.scanResolution > 2 * largest) {
        result.viewWidth = Low32(int64_t{q.areaWidth} * largest / 100);
        result.viewHeight = Low32(int64_t{q.areaHeight} * largest / 100);
    }
    return result;
}

std::vector<uint16_t> DeviceResolutions(const SourceContext& context) {
    const uint32_t count =
        std::min<uint32_t>(static_cast<uint32_t>(context.Get(ctx::resolutionCount)), ctx::resolutionList.count);
    std::vector<uint16_t> list;
    list.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        list.push_back(static_cast<uint16_t>(context.Get(ctx::resolutionList, i)));
    }
    return list;
}

}  // namespace korva
