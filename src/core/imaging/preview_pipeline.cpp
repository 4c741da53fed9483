#include "core/imaging/preview_pipeline.h"

#include <algorithm>
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

// The 24-bit pixels of the preview, none for any other bitmap.
struct PreviewPixels {
    const uint8_t* rows;
    int32_t width;
    int32_t height;
    uint32_t rowBytes;
};

std::optional<PreviewPixels> PixelsOf(std::span<const uint8_t> preview) {
    const std::optional<DibLayout> layout = ParsePackedDib(preview);
    if (!layout || layout->bitCount != 24) {
        return std::nullopt;
    }
    return PreviewPixels{preview.data() + layout->pixelOffset, layout->width, layout->height, layout->stride};
}

// The image the screen shows is made in a buffer of the preview's layout; none when memory for it is
// refused. Every pixel is mapped into it afterwards, so only the padding at the end of each row is
// taken from the preview.
std::optional<RenderedImage> WorkingCopy(const PreviewPixels& preview) {
    RenderedImage image;
    image.width = preview.width;
    image.height = preview.height;
    image.rowBytes = preview.rowBytes;
    try {
        image.pixels.resize(size_t{preview.rowBytes} * preview.height);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    const size_t pixelBytes = 3 * size_t{static_cast<uint32_t>(preview.width)};
    for (size_t offset = 0; offset < image.pixels.size(); offset += preview.rowBytes) {
        std::copy(preview.rows + offset + pixelBytes, preview.rows + offset + preview.rowBytes,
                  image.pixels.data() + offset + pixelBytes);
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

// The display tables of a colour or grey run, the caller's `tables` holding the tone curves.
void ColourOrGreyTables(const PreviewAdjustments& in, ToneTables& tables) {
    BuildTables(in, tables);
    if (in.screenCalibration) {
        CheckCalibration(in, tables);
    }
    if (in.invert && (in.docSource == 0 || in.docSource == 1)) {
        InvertTables(tables.displayTables);
    }
}

// The display tables of a line-art run: identity unless a halftone or the transparency unit asks for the
// tone settings, inverted whatever the source.
void LineArtTables(const PreviewAdjustments& in, ToneTables& tables) {
    tables.displayTables = IdentityTables();
    const bool halftone = in.type.halftoneMode != kHalftoneNone;
    if (halftone || (in.docSource > 0 && in.optionUnit == 1)) {
        BuildTables(in, tables);
    }
    if (in.screenCalibration && halftone) {
        CheckCalibration(in, tables);
    }
    if (in.invert) {
        InvertTables(tables.displayTables);
    }
}

// The pixels through the display tables, and for colour and grey the matrix, in one pass from the
// preview into the working copy.
void MapPixels(const PreviewPixels& preview,
               const DisplayTables& tables,
               const ColourMatrix& matrix,
               RenderedImage& image) {
    MapThroughTablesAndMatrix(tables, matrix, preview.rows, image.pixels.data(), static_cast<uint32_t>(image.width),
                              static_cast<uint32_t>(image.height), image.rowBytes);
}

}  // namespace

std::optional<PreviewRendering> RenderPreview(const PreviewAdjustments& in, ToneTables& tables) {
    const std::optional<PreviewPixels> preview = PixelsOf(in.preview);
    if (!preview) {
        return std::nullopt;
    }
    // Set again only when this run rebuilds the tone curves.
    tables.toneCurvesInForce = false;
    PreviewRendering rendering;
    const bool lineArt = in.type.IsLineArt();
    if (lineArt) {
        LineArtTables(in, tables);
    } else {
        ColourOrGreyTables(in, tables);
        rendering.refreshColourSwatch = true;
    }

    // Line art for the pane is rendered straight from the preview, without a 24-bit copy.
    if (lineArt && in.display != DisplayKind::kSixteenColours) {
        rendering.path = DisplayPath::kLineArt;
        try {
            rendering.image = RenderLineArt(preview->rows, preview->rowBytes, preview->width, preview->height,
                                            tables.displayTables, in.type, in.iproc[iproc::kThreshold]);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
        return rendering;
    }

    std::optional<RenderedImage> working = WorkingCopy(*preview);
    if (!working) {
        return std::nullopt;
    }
    rendering.image = std::move(*working);
    RenderedImage& image = rendering.image;
    if (lineArt) {
        MapPixels(*preview, tables.displayTables, kIdentityColourMatrix, image);
    } else {
        MapPixels(*preview, tables.displayTables,
                  BuildPreviewColourMatrix(in.iproc[iproc::kSaturation], in.colourMatching), image);
        if (in.unsharpMask) {
            Sharpen(image);
        }
    }

    if (in.display == DisplayKind::kSixteenColours) {
        rendering.path = DisplayPath::kSixteenColours;
        RenderSixteenColours(image, in.type);
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
