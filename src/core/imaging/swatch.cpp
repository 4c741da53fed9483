#include "core/imaging/swatch.h"

namespace korva {

bool IsGreyImageType(const ScanSettings& settings) {
    const CatalogueRow* row = settings.imageTypes.CurrentRow();
    const PixelTypeInfo* type = row ? FindPixelType(settings.pixelTypes, row->values[image_type::kPixelType]) : nullptr;
    return type && type->colourClass == ColourClass::kGrey;
}

Rgb SwatchFill(Rgb colour, bool greyImageType) {
    if (!greyImageType) {
        return colour;
    }
    const auto grey = static_cast<uint8_t>((colour.red + colour.green + colour.blue) / 3);
    return {grey, grey, grey};
}

}  // namespace korva
