#include "core/settings/size_display.h"

#include <string>

#include "core/settings/file_size.h"

namespace korva {
namespace {

constexpr uint32_t kScalePercent = 100;

}  // namespace

SizeDisplay ComputeSizeDisplay(const SizeDisplayInput& in) {
    SizeDisplay out;
    out.outWidth = in.selWidth * kScalePercent / 100u;
    out.outHeight = in.selHeight * kScalePercent / 100u;
    const bool large = in.resolution > 999 && in.unit == UnitKind::kPixels && (out.outWidth == 0 || out.outHeight == 0);
    if (large) {
        out.outWidth = in.selWidth * kScalePercent;
        out.outHeight = in.selHeight * kScalePercent;
    }

    auto text = [&](uint32_t length, bool scaledUp) {
        if (scaledUp) {
            return std::to_string(DocumentToPixels(length, in.resolution, PixelRule::kSizeDisplay) / 100u);
        }
        return FormatDocumentLength(length, in.unit, in.resolution, PixelRule::kSizeDisplay, in.separator);
    };
    out.width = text(in.selWidth, false);
    out.height = text(in.selHeight, false);
    out.outWidthText = text(out.outWidth, large);
    out.outHeightText = text(out.outHeight, large);

    float pixels = EstimatePixels(in.resolution, out.outWidth, out.outHeight);
    if (large) {
        pixels /= 10000.0f;
    }
    out.fileSize = FormatFileSize(EstimateBytesFromPixels(pixels, in.bitsPerPixel), in.languageLetter, in.separator);
    return out;
}

}  // namespace korva
