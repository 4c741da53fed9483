#include "core/imaging/eyedropper.h"

#include <algorithm>

#include "core/preview/packed_dib.h"
#include "core/tone/density.h"

namespace korva {

std::optional<Rgb> AverageSquare(std::span<const uint8_t> packedDib, int32_t x, int32_t y, int32_t size) {
    const std::optional<DibLayout> layout = ParsePackedDib(packedDib);
    if (!layout || layout->bitCount != 24 || x < 0 || y < 0 || x >= layout->width || y >= layout->height) {
        return std::nullopt;
    }
    const int32_t half = std::max(size, 1) / 2;
    const int32_t left = std::max(x - half, 0);
    const int32_t right = std::min(x + half, layout->width - 1);
    const int32_t top = std::max(y - half, 0);
    const int32_t bottom = std::min(y + half, layout->height - 1);
    uint32_t sum[3] = {0, 0, 0};
    for (int32_t row = top; row <= bottom; ++row) {
        const size_t rowStart =
            layout->pixelOffset + static_cast<size_t>(layout->height - 1 - row) * layout->stride;  // bottom-up
        for (int32_t column = left; column <= right; ++column) {
            const uint8_t* pixel = packedDib.data() + rowStart + static_cast<size_t>(column) * 3;
            for (int c = 0; c < 3; ++c) {
                sum[c] += pixel[c];
            }
        }
    }
    const auto count = static_cast<uint32_t>((right - left + 1) * (bottom - top + 1));
    auto mean = [&](uint32_t total) { return static_cast<uint8_t>((total + count / 2) / count); };
    return Rgb{mean(sum[2]), mean(sum[1]), mean(sum[0])};
}

Rgb ThroughTables(Rgb colour, const DisplayTables& tables) {
    return Rgb{tables[0][colour.red], tables[1][colour.green], tables[2][colour.blue]};
}

bool ApplyPickedColour(ScanSettings& settings, PickTarget target, Rgb colour, int32_t level) {
    auto& values = settings.iproc;
    switch (target) {
        case PickTarget::kHighlight: {
            const SampledHighlight sampled =
                SampleToHighlight(colour.green, settings.channelGamma, settings.channelOffset);
            const ParameterRange exposure = ImageProcessingParameter(iproc::kExposure, level, settings.focusPosition);
            values[iproc::kHighlight] = sampled.highlight;
            values[iproc::kExposure] =
                std::clamp(TruncateToInt32(sampled.density * 10.0f), exposure.minimum, exposure.maximum);
            return true;
        }
        case PickTarget::kShadow:
            values[iproc::kShadow] = SampleToShadow(colour.green, settings.channelGamma, settings.channelOffset);
            return true;
        case PickTarget::kGrayPoint:
            if (!GrayBalanceFromSample(colour.red, colour.green, colour.blue, settings.channelGamma,
                                       settings.channelOffset, settings.channelBalance)) {
                return false;
            }
            if (values[iproc::kGrayBalance] == 0) {
                values[iproc::kGrayBalance] =
                    ImageProcessingParameter(iproc::kGrayBalance, level, settings.focusPosition).maximum;
            }
            return true;
    }
    return false;
}

}  // namespace korva
