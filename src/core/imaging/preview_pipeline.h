// The preview adjustment pipeline: every setting the user sees the effect of (tone map, exposure, gamma,
// highlight, shadow, gray balance, saturation, invert, unsharp mask, threshold, halftone, drop-out
// colour) applied to a copy of the raw preview, then rendered for the screen. Each run starts again from
// the preview, which it never writes, so every setting is applied exactly once.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "core/imaging/render_type.h"
#include "core/imaging/rendered_image.h"
#include "core/settings/image_processing.h"
#include "core/tone/tone_curve.h"
#include "core/tone/tone_map.h"

namespace korva {

enum class DisplayKind : uint8_t {
    kTrueColour,      // the pane on a display of more than 8 bits per pixel
    kPalette,         // the pane on a display of 8 or fewer bits per pixel
    kSixteenColours,  // the extended dialogs' small previews: 4 bits per pixel whatever the display
};

// How the rendered image reaches the screen.
enum class DisplayPath : uint8_t {
    kTrueColour,      // the 24-bit image copied 1:1 into the pane
    kPalette,         // 8-bit indices and their colour table, copied 1:1 into the pane
    kSixteenColours,  // 4-bit image with 16 greys or 8 colours
    kLineArt,         // 1-bit image, colour 0 black and 1 white, copied 1:1 after erasing the outlines
};

struct PreviewAdjustments {
    std::span<const uint8_t> preview;  // the packed 24-bit preview bitmap; never written
    // The current image-processing values. Read: 0 exposure (tenths), 1 gamma (percent), 2 highlight,
    // 3 shadow, 4 threshold, 5 gray-balance strength, 6 saturation. The caller records all 14 as the
    // values the picture was made with.
    std::array<int32_t, kImageProcessingParameters> iproc{};
    ToneMap toneMap;
    // The density line and gray-balance offset of each channel (red, green, blue).
    std::array<float, 3> channelGamma{1.0f, 1.0f, 1.0f};
    std::array<float, 3> channelOffset{};
    std::array<float, 3> channelBalance{};
    bool invert = false;
    bool unsharpMask = false;
    bool screenCalibration = false;
    // Reads the screen calibration when it is in force for the run; true when the tone curves are to be
    // rebuilt from the linear tone map.
    std::function<bool()> checkScreenCalibration;
    bool colourMatching = false;  // colour matching in force
    RenderType type;
    int32_t docSource = 0;
    int32_t optionUnit = 0;
    DisplayKind display = DisplayKind::kTrueColour;
};

struct PreviewRendering {
    DisplayPath path = DisplayPath::kTrueColour;
    RenderedImage image;
    bool colourMatch = false;          // convert image.pixels in place to the display's colours, then draw
    bool clearPaneFirst = false;       // paint the pane white before drawing
    bool makeDisplayPalette = false;   // make, select and realise MakeLogicalPalette of the image's header
    bool refreshColourSwatch = false;  // the pixels went through the display tables
};

// Runs the pipeline; none without a 24-bit preview or when memory for the working copy is refused.
//
// Image types of more than 1 bit: the tone-map curves, the display tables from the exposure values and
// the density lines, the screen calibration check, invert of the display tables for document sources 0
// and 1 only, every pixel through the display tables, the preview colour matrix for the saturation and
// the unsharp mask (amount 200, kernel size 8, threshold 3) when it is on.
//
// Line art: identity display tables, built as above only for a halftone or the transparency unit
// (document source above 0 with option unit 1); the calibration check only for a halftone; invert
// whatever the source; then the halftone with the threshold.
//
// `tables` holds the tone curves and display tables the run leaves behind, with toneCurvesInForce set when
// the run built the tone curves; a calibration check that asks for it rebuilds the tone curves from the
// linear tone map after the display tables were made from them.
std::optional<PreviewRendering> RenderPreview(const PreviewAdjustments& adjustments, ToneTables& tables);

}  // namespace korva
