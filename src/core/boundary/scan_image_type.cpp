#include "core/boundary/scan_image_type.h"

namespace korva {
namespace {

constexpr int32_t kHalftoneModes = 8;  // "None" and seven halftones

constexpr int32_t kHiFiStoredBits = 16;
constexpr int32_t kHiFiSignificantBits = 12;

// Colour has three samples to a pixel, the other types one. The HiFi types store each sample in 16
// bits of which 12 are significant.
int32_t BitsPerSample(const PixelTypeInfo& info) {
    const int32_t samples = info.colourClass == ColourClass::kColour ? 3 : 1;
    const int32_t stored = info.bitsPerPixel / samples;
    return stored == kHiFiStoredBits ? kHiFiSignificantBits : stored;
}

}  // namespace

ScanImageType DescribeScanImageType(const ScanSettings& settings) {
    CatalogueRow row;
    row.values[image_type::kPixelType] = kPixelType24BitColour;
    if (const CatalogueRow* current = settings.imageTypes.CurrentRow()) {
        row = *current;
    }
    const PixelTypeInfo* info = FindPixelType(settings.pixelTypes, row.values[image_type::kPixelType]);
    if (!info) {
        info = FindPixelType(settings.pixelTypes, kPixelType24BitColour);
    }
    ScanImageType type;
    type.pixelType = static_cast<int32_t>(info->colourClass);
    type.bitsPerSample = BitsPerSample(*info);
    type.halftoneIndex = row.values[image_type::kHalftone];
    type.halftoneActive = type.halftoneIndex > 0 && type.halftoneIndex < kHalftoneModes;
    type.flagWordA = row.values[image_type::kQuality];
    type.flagWordB = row.values[image_type::kTextOption];
    type.code = row.values[image_type::kCode];
    return type;
}

}  // namespace korva
