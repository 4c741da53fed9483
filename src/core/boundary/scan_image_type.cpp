#include "core/boundary/scan_image_type.h"

namespace korva {
namespace {

constexpr int32_t kHalftoneModes = 8;  // "None" and seven halftones

int32_t BitsPerSample(uint16_t bitsPerPixel) {
    switch (bitsPerPixel) {
        case 24:
            return 8;
        case 36:
            return 12;
        default:
            return bitsPerPixel;
    }
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
    type.bitsPerSample = BitsPerSample(info->bitsPerPixel);
    type.halftoneIndex = row.values[image_type::kHalftone];
    type.halftoneActive = type.halftoneIndex > 0 && type.halftoneIndex < kHalftoneModes;
    type.flagWordA = row.values[image_type::kQuality];
    type.flagWordB = row.values[image_type::kTextOption];
    type.code = row.values[image_type::kCode];
    return type;
}

}  // namespace korva
