#include "core/imaging/render_type.h"

#include "core/settings/catalogue.h"

namespace korva {

RenderType RenderTypeOf(const ScanSettings& settings) {
    RenderType type;
    const CatalogueRow* row = settings.imageTypes.CurrentRow();
    if (row == nullptr) {
        return type;
    }
    if (const PixelTypeInfo* pixelType = FindPixelType(settings.pixelTypes, row->values[image_type::kPixelType])) {
        type.colourClass = pixelType->colourClass;
        type.bitsPerPixel = pixelType->bitsPerPixel;
    }
    const int32_t halftone = row->values[image_type::kHalftone];
    type.halftoneMode = halftone > kHalftoneNone && halftone <= kLastHalftoneMode ? halftone : kHalftoneNone;
    const int32_t dropout = row->values[image_type::kDropout];
    type.dropout = dropout >= 0 && dropout <= 3 ? static_cast<DropoutColour>(dropout) : DropoutColour::kNone;
    return type;
}

}  // namespace korva
