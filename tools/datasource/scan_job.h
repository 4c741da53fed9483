// One image the simulated scanner produces: what to scan (area, resolution, source), how (the tables,
// colour matrix, unsharp mask and film mode the module asked for) and in which form (pixel type and
// bits per sample, with the threshold, halftone and drop-out colour of line art); and the rendering.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/boundary/source_context.h"
#include "core/imaging/render_type.h"
#include "tools/common/bitmap_writer.h"
#include "tools/datasource/scan_document.h"

namespace korva::sim {

inline constexpr int32_t kHalftoneThreshold = 0xFFFF;

struct ScanJob {
    int32_t width = 0;  // pixels
    int32_t height = 0;
    double dpi = 0;    // effective resolution: resolution x scale / 100
    int32_t left = 0;  // hundredths of an inch
    int32_t top = 0;
    ScanSource source = ScanSource::kFlatbed;
    int32_t pixelType = 2;  // 0 black and white, 1 grey, 2 RGB, 3 palette
    int32_t bitsPerSample = 8;
    bool tablesValid = false;
    std::array<std::array<uint8_t, 256>, 3> tables{};  // red, green, blue
    bool matrixValid = false;
    std::array<uint8_t, 9> matrix{};  // the device's sign-magnitude bytes
    bool unsharpMask = false;
    // Line art: the threshold as the module sends it (0xFFFF with a halftone), the halftone mode, the
    // drop-out colour and the user's threshold (the halftones dither around it).
    int32_t threshold = 128;
    int32_t halftoneMode = kHalftoneNone;
    DropoutColour dropout = DropoutColour::kNone;
    int32_t userThreshold = 128;

    bool IsDeep() const { return pixelType != 0 && bitsPerSample > 8; }
};

// Scans larger than this many pixels are refused.
inline constexpr int64_t kMaxScanPixels = 40ll * 1024 * 1024;

// The job the module's fields describe (area, resolution, pixel type, tables, matrix, flags). Level-1
// devices get no tables or matrix. The line-art halftone and drop-out come from the image-type row the
// data source found; the film source from the document source and the negative-film flag. False when the
// area is empty or too large.
bool JobFromContext(const SourceContext& context, int32_t optionUnit, ScanJob& job);

// The rendered image: a bitmap for up to 24 bits per pixel, or 16-bit samples (grey, or red, green, blue
// per pixel) holding 12 significant bits for the deep types.
struct ScanImage {
    tools::BitmapImage bitmap;
    std::vector<uint16_t> deepSamples;  // top-down rows
    int32_t deepChannels = 0;
};

ScanImage RenderScan(const ScanJob& job, const ScanDocument& document);

// What a bitmap can hold of the image, for the application's transfer: deep samples narrowed to 8 bits,
// rounded (grey with a grey palette, or colour); the bitmap itself otherwise.
tools::BitmapImage BitmapOf(ScanImage&& image, int32_t width, int32_t height);

}  // namespace korva::sim
