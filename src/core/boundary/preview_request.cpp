#include "core/boundary/preview_request.h"

#include "core/boundary/capability_level.h"
#include "core/boundary/scan_source.h"
#include "core/boundary/scan_tables.h"
#include "core/settings/image_processing.h"

namespace korva {
namespace {

constexpr int32_t kRgb = 2;
constexpr int32_t kPreviewBitsPerSample = 8;
constexpr int32_t kPositiveFilmSource = 3;
constexpr int32_t kPositiveFilmDestination = 2;

// Everything but the pixel fields.
void WriteRequestFields(SourceContext& c, ScanSettings& s, const PreviewRequestArea& area) {
    s.docSource = ActiveTabDocumentSource(s);
    c.Set(ctx::pixelType, kRgb);
    c.Set(ctx::bitsPerSample, kPreviewBitsPerSample);
    c.Set(ctx::isPreview, 1);
    c.Set(ctx::isFinal, 0);
    const int64_t level = c.Get(ctx::level);
    if (level >= capability::kTablesAndMatrix) {
        WriteTables(c, IdentityTables());
        c.Set(ctx::tablesValid, 1);
        if (level >= capability::kFilmSources && s.docSource == kPositiveFilmSource) {
            c.Set(ctx::matrixValid, 0);
            c.Set(ctx::destinationCode, kPositiveFilmDestination);
        } else {
            WriteColourMatrix(c, kIdentityDeviceMatrix);
            c.Set(ctx::matrixValid, 1);
        }
    }
    c.Set(ctx::typeFlagC, 0);
    c.Set(ctx::typeFlagD, 0);
    c.Set(ctx::typeFlagB, 0);
    c.Set(ctx::typeFlagA, 1);
    WriteSourceFields(c, s);
    c.Set(ctx::dsResolution, area.resolution);
    c.Set(ctx::dsScale, area.scale);
    c.Set(ctx::dsAreaLeft, area.left);
    c.Set(ctx::dsAreaTop, area.top);
    c.Set(ctx::dsAreaWidth, area.width);
    c.Set(ctx::dsAreaHeight, area.height);
}

}  // namespace

PreviewRequestArea RequestAreaFor(const PreviewResolution& choice, int32_t areaLeft, int32_t areaTop) {
    return PreviewRequestArea{choice.resolution, choice.scale,        areaLeft,
                              areaTop,           choice.scannedWidth, choice.scannedHeight};
}

bool WritePreviewRequest(SourceContext& context, ScanSettings& settings, const PreviewRequestArea& area) {
    WriteRequestFields(context, settings, area);
    const double dpi = static_cast<double>(area.resolution) * area.scale / 100.0;
    const auto pixels = [dpi](int32_t hundredths) { return TruncateToInt32(hundredths * dpi / 100.0 + 0.5); };
    const int32_t width = pixels(area.width);
    const int32_t height = pixels(area.height);
    context.Set(ctx::pixelWidth, width);
    context.Set(ctx::pixelHeight, height);
    context.Set(ctx::pixelLeft, pixels(area.left));
    context.Set(ctx::pixelTop, pixels(area.top));
    return width != 0 && height != 0;
}

void WriteFocusRequest(SourceContext& context,
                       ScanSettings& settings,
                       const PreviewRequestArea& area,
                       const FocusPixels& pixels) {
    WriteRequestFields(context, settings, area);
    context.Set(ctx::pixelWidth, pixels.width);
    context.Set(ctx::pixelHeight, pixels.height);
    context.Set(ctx::pixelLeft, pixels.left);
    context.Set(ctx::pixelTop, pixels.top);
}

}  // namespace korva
