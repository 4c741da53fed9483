#include "core/imaging/indexed_render.h"

#include <algorithm>
#include <cstddef>

#include "core/imaging/pixel_level.h"
#include "core/imaging/popularity_palette.h"

namespace korva {
namespace {

constexpr uint32_t kPaletteDisplayColours = 216;
constexpr uint32_t kTrueColourDisplayColours = 256;

void RenderGreyLevels(RenderedImage& image, DropoutColour dropout, uint32_t colourCount) {
    const PixelLevel level(0, dropout);
    const auto maxIndex = static_cast<int32_t>(colourCount - 1);
    const auto width = static_cast<uint32_t>(image.width);
    NarrowRowsInPlace(image, 8, 0, [&](const uint8_t* source, uint8_t* out, uint32_t) {
        for (uint32_t x = 0; x < width; ++x, source += 3) {
            out[x] = static_cast<uint8_t>(std::min(level(source), maxIndex));
        }
        return out + width;
    });
    image.colours.resize(colourCount);
    for (uint32_t i = 0; i < colourCount; ++i) {
        const auto grey = static_cast<uint8_t>(i * 255 / (colourCount - 1));
        image.colours[i] = DibColour{grey, grey, grey, 1};
    }
}

}  // namespace

IndexedDisplaySteps RenderColourOrGrey(RenderedImage& image, const RenderType& type, bool paletteDisplay) {
    const uint32_t colourCount = paletteDisplay ? kPaletteDisplayColours : kTrueColourDisplayColours;
    if (type.colourClass == ColourClass::kGrey) {
        RenderGreyLevels(image, type.dropout, colourCount);
        return IndexedDisplaySteps{.clearPaneFirst = false, .makeDisplayPalette = paletteDisplay};
    }
    QuantiseByPopularity(image, colourCount);
    return IndexedDisplaySteps{.clearPaneFirst = paletteDisplay, .makeDisplayPalette = true};
}

}  // namespace korva
