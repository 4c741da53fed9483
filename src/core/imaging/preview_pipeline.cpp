#include "core/imaging/preview_pipeline.h"

#include <cstddef>
#include <new>
#include <utility>

#include "core/filter/colour_matrix.h"
#include "core/filter/filter_engine.h"
#include "core/imaging/indexed_render.h"
#include "core/imaging/line_art.h"
#include "core/imaging/sixteen_colours.h"
#include "core/preview/packed_dib.h"
#include "core/settings/tone_settings.h"
#include "core/tone/display_tables.h"
#include "core/tone/tone_state.h"

namespace korva {
namespace {

constexpr FilterParams kPreviewSharpen = {200, 8, 3};

std::optional<RenderedImage> WorkingCopy(std::span<const uint8_t> preview) {
    const std::optional<DibLayout> layout = ParsePackedDib(preview);
    if (!layout || layout->bitCount != 24) {
        return std::nullopt;
    }
    RenderedImage image;
    image.width = layout->width;
    image.height = layout->height;
    image.rowBytes = layout->stride;
    const auto pixels = preview.subspan(layout->pixelOffset, size_t{layout->stride} * layout->height);
    try {
        image.pixels.assign(pixels.begin(), pixels.end());
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return image;
}

// The display tables from the tone map, the exposure values and the density lines.
void BuildTables(const PreviewAdjustments& in, ToneTables& tables) {
    BuildToneMapCurves(in.toneMap, tables);
    BuildDisplayTables(
        ExposureParamsFromState(ToneStateFrom(in.iproc, in.channelGamma, in.channelOffset, in.channelBalance)), tables);
}

void CheckCalibration(const PreviewAdjustments& in, ToneTables& tables) {
    if (in.checkScreenCalibration && in.checkScreenCalibration()) {
        BuildToneMapCurves(BuiltInToneMaps()[0].toneMap, tables);
    }
}

void MapThroughTables(RenderedImage& image, const DisplayTables& tables) {
    const ToneCurve& red = tables[kChannelRed];
    const ToneCurve& green = tables[kChannelGreen];
    const ToneCurve& blue = tables[kChannelBlue];
    const auto width = static_cast<uint32_t>(image.width);
    for (int32_t y = 0; y < image.height; ++y) {
        uint8_t* pixel = image.pixels.data() + static_cast<size_t>(y) * image.rowBytes;
        for (uint32_t x = 0; x < width; ++x, pixel += 3) {
            pixel[0] = blue[pixel[0]];
            pixel[1] = green[pixel[1]];
            pixel[2] = red[pixel[2]];
        }
    }
}

// The preview's unsharp mask, in place as one band; a failing engine leaves the image unsharpened.
void Sharpen(RenderedImage& image) {
    const auto width = static_cast<uint32_t>(image.width);
    const auto height = static_cast<uint32_t>(image.height);
    const FilterGeometry geometry{width, height, image.rowBytes, width, height, image.rowBytes, 24};
    FilterEngine engine(geometry, kPreviewSharpen, kFilterUnsharpMask);
    FilterBand band{image.pixels.data(), width, height, image.rowBytes, 24};
    FilterBand output{image.pixels.data(), 0, 0, 0, 0};
    engine.Process(band, output);
}

void AdjustColourOrGrey(const PreviewAdjustments& in, RenderedImage& image, ToneTables& tables) {
    BuildTables(in, tables);
    if (in.screenCalibration) {
        CheckCalibration(in, tables);
    }
    if (in.invert && (in.docSource == 0 || in.docSource == 1)) {
        InvertTables(tables.displayTables);
    }
    MapThroughTables(image, tables.displayTables);
    ApplyColourMatrix(BuildPreviewColourMatrix(in.iproc[iproc::kSaturation], in.colourMatching), image.pixels.data(),
                      static_cast<uint32_t>(image.width), static_cast<uint32_t>(image.height));
    if (in.unsharpMask) {
        Sharpen(image);
    }
}

void AdjustLineArt(const PreviewAdjustments& in, RenderedImage& image, ToneTables& tables) {
    tables.displayTables = IdentityTables();
    const bool halftone = in.type.halftoneMode != kHalftoneNone;
    const bool calibration = in.screenCalibration && halftone;
    const bool rebuilt = halftone || (in.docSource > 0 && in.optionUnit == 1);
    if (rebuilt) {
        BuildTables(in, tables);
    }
    if (calibration) {
        CheckCalibration(in, tables);
    }
    if (in.invert) {
        InvertTables(tables.displayTables);
    }
    if (rebuilt || calibration || in.invert) {
        MapThroughTables(image, tables.displayTables);
    }
}

}  // namespace

std::optional<PreviewRendering> RenderPreview(const PreviewAdjustments& in, ToneTables& tables) {
    std::optional<RenderedImage> working = WorkingCopy(in.preview);
    if (!working) {
        return std::nullopt;
    }
    // Set again only when this run rebuilds the tone curves.
    tables.toneCurvesInForce = false;
    PreviewRendering rendering;
    rendering.image = std::move(*working);
    RenderedImage& image = rendering.image;
    const bool lineArt = in.type.IsLineArt();
    if (lineArt) {
        AdjustLineArt(in, image, tables);
    } else {
        AdjustColourOrGrey(in, image, tables);
        rendering.refreshColourSwatch = true;
    }

    if (in.display == DisplayKind::kSixteenColours) {
        rendering.path = DisplayPath::kSixteenColours;
        RenderSixteenColours(image, in.type);
    } else if (lineArt) {
        rendering.path = DisplayPath::kLineArt;
        HalftoneLineArt(image, in.type, in.iproc[iproc::kThreshold]);
    } else if (in.type.bitsPerPixel < 24 || in.display == DisplayKind::kPalette) {
        rendering.path = DisplayPath::kPalette;
        const IndexedDisplaySteps steps = RenderColourOrGrey(image, in.type, in.display == DisplayKind::kPalette);
        rendering.clearPaneFirst = steps.clearPaneFirst;
        rendering.makeDisplayPalette = steps.makeDisplayPalette;
    } else {
        rendering.path = DisplayPath::kTrueColour;
        rendering.colourMatch = in.colourMatching && in.type.bitsPerPixel == 24;
    }
    return rendering;
}

}  // namespace korva
