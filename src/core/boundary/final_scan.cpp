#include "core/boundary/final_scan.h"

#include <string_view>

#include "core/boundary/capability_level.h"
#include "core/boundary/data_source_calls.h"
#include "core/boundary/scan_image_type.h"
#include "core/boundary/scan_source.h"
#include "core/boundary/scan_tables.h"
#include "core/filter/colour_matrix.h"
#include "core/imaging/colour_match.h"
#include "core/settings/catalogue_ini.h"
#include "core/settings/image_processing.h"

namespace korva {
namespace {

constexpr char kImageSection[] = "ImageSetting";
constexpr char kSharpnessKey[] = "IprocValue12";
constexpr int32_t kUnsharpenedImageType = 5;  // line art goes without the device's sharpening
constexpr int32_t kSharpnessOn = 500;
constexpr int32_t kHalftoneThreshold = 0xFFFF;
constexpr int kDeepColourWarning = 19;
constexpr char kWarningCaption[] = "QXTWAIN32";
constexpr int64_t kDeepColourBits = 12;
constexpr size_t kResolutionTextLimit = 60;
constexpr int32_t kFullScale = 100;

// Thousandths of an inch to hundredths, rounded.
int64_t ToHundredths(int64_t thousandths) {
    return (thousandths + 5) / 10;
}

void WriteArea(SourceContext& c, const Marquee* marquee, BedSize bed) {
    if (!marquee) {
        c.Set(ctx::dsAreaLeft, 0);
        c.Set(ctx::dsAreaTop, 0);
        c.Set(ctx::dsAreaWidth, bed.width);
        c.Set(ctx::dsAreaHeight, bed.height);
        return;
    }
    const Rect& d = marquee->document;
    c.Set(ctx::dsAreaLeft, ToHundredths(d.left));
    c.Set(ctx::dsAreaTop, ToHundredths(d.top));
    c.Set(ctx::dsAreaWidth, ToHundredths(int64_t{d.right} - d.left));
    c.Set(ctx::dsAreaHeight, ToHundredths(int64_t{d.bottom} - d.top));
}

// The sizes at the effective resolution in whole dots per inch, truncated; the edges rounded.
void WritePixelFields(SourceContext& c, int32_t resolution, int32_t scale) {
    const double dpi = TruncateToInt32(static_cast<double>(resolution) * scale / 100.0);
    const auto pixels = [&](ContextField length, double half) {
        return TruncateToInt32(static_cast<double>(c.Get(length)) * dpi / 100.0 + half);
    };
    c.Set(ctx::pixelWidth, pixels(ctx::dsAreaWidth, 0.0));
    c.Set(ctx::pixelHeight, pixels(ctx::dsAreaHeight, 0.0));
    c.Set(ctx::pixelLeft, pixels(ctx::dsAreaLeft, 0.5));
    c.Set(ctx::pixelTop, pixels(ctx::dsAreaTop, 0.5));
}

int32_t ColorMatchMode(const ScanSettings& s) {
    if (s.windows95Icm != 1) {
        return 2;
    }
    return s.icmProfile == 0 ? 1 : 0;
}

// Devices below the table level take the exposure and the destination's level as codes.
void WriteExposureCodes(SourceContext& c, const ScanSettings& s) {
    if (const CatalogueRow* destination = s.destinations.CurrentRow()) {
        const int32_t level = destination->values[destination::kLevel];
        if (level < c.Get(ctx::printerPresetCount)) {
            c.Set(ctx::destinationCode, level);
        }
    }
    c.Set(ctx::exposureCode, int64_t{s.iproc[iproc::kExposure]} * 1000 / 3);
    c.Set(ctx::reserved212, 0);
}

// Black and white scans through the identity tables with the threshold, unless a halftone or the
// transparency unit needs the tone settings; every other type scans through the tone settings.
DisplayTables ScanTablesFor(SourceContext& c, const ScanSettings& s, const ScanImageType& type) {
    if (!type.IsBlackWhite()) {
        return BuildScanTables(s);
    }
    c.Set(ctx::threshold,
          type.halftoneActive ? kHalftoneThreshold : GammaCorrectedThreshold(s.iproc[iproc::kThreshold]));
    if (type.halftoneActive || (s.docSource >= 1 && c.Get(ctx::optionUnit) == 1)) {
        return BuildScanTables(s);
    }
    return IdentityTables();
}

void WriteTablesAndMatrix(SourceContext& c,
                          const ScanSettings& s,
                          const ScanImageType& type,
                          const FinalScanInputs& inputs,
                          FinalScanResult& result) {
    DisplayTables tables = ScanTablesFor(c, s, type);
    if (inputs.invert) {
        InvertTables(tables);
    }
    WriteTables(c, tables);
    c.Set(ctx::tablesValid, 1);
    c.Set(ctx::matrixValid, 0);
    if (type.IsColourLike()) {
        const int32_t saturation = inputs.blackWhite ? s.iprocSaved[iproc::kSaturation] : s.iproc[iproc::kSaturation];
        WriteColourMatrix(c, BuildDeviceColourMatrix(saturation));
        c.Set(ctx::matrixValid, 1);
    }
    const int64_t level = c.Get(ctx::level);
    if (level >= capability::kTypeFlagC) {
        result.thirdTypeFlag = type.flagWordB == 0;
        c.Set(ctx::typeFlagC, *result.thirdTypeFlag ? 1 : 0);
    }
    if (level >= capability::kTypeFlagD) {
        result.fourthTypeFlag = type.flagWordB == 1;
        c.Set(ctx::typeFlagD, *result.fourthTypeFlag ? 1 : 0);
    }
}

void WriteScanFlags(SourceContext& c, ScanSettings& s, const ScanImageType& type, Services& services) {
    const bool fromFeeder = (s.docSource == 1 || s.docSource == 2) && c.Get(ctx::optionUnit) == 0;
    c.Set(ctx::typeFlagB, fromFeeder ? 0 : (type.flagWordB & 1));
    c.Set(ctx::typeFlagA, type.flagWordA == 0 ? 1 : 0);
    const int32_t sharpen = s.imageTypes.current == kUnsharpenedImageType ? 0 : 1;
    s.iproc[iproc::kSharpness] = sharpen;
    WriteInt(services.profile, s.locations.iniPath, kImageSection, kSharpnessKey, sharpen);
    c.Set(ctx::sharpness, sharpen * kSharpnessOn);
    WriteSourceFields(c, s);
    c.SetText(ctx::profileName, kDeviceProfile);
    c.Set(ctx::isPreview, 0);
    c.Set(ctx::previewStarted, 0);
    c.Set(ctx::isFinal, 1);
    c.Set(ctx::reserved1358, 0);
    c.Set(ctx::reserved1362, 0);
}

// A scale or resolution that the 16-bit fields hold as 0: full scale, and the resolution typed into the
// active page's field when it holds text.
void ReplaceZeroResolution(SourceContext& c, ScanSettings& s, std::string_view resolutionText) {
    if (c.Get(ctx::dsScale) == 0) {
        s.scalePercent = kFullScale;
        c.Set(ctx::dsScale, kFullScale);
    }
    if (c.Get(ctx::dsResolution) == 0) {
        const std::string_view typed = resolutionText.substr(0, kResolutionTextLimit);
        if (!typed.empty()) {
            s.scanResolution = ParseListNumber(typed);
            c.Set(ctx::dsResolution, s.scanResolution);
        }
    }
}

// 12 bits per sample are not for every application: the user confirms unless the data source already has.
bool ConfirmDeepColour(const SourceContext& c, WindowRef owner, Services& services) {
    if (c.Get(ctx::deepColorAccepted) != 0 || c.Get(ctx::bitsPerSample) != kDeepColourBits) {
        return true;
    }
    return services.messages.Show(owner, services.strings.Load(kDeepColourWarning), kWarningCaption, mb::kOkCancel) ==
           mb::kAnswerOk;
}

}  // namespace

FinalScanResult PrepareFinalScan(SourceContext& context,
                                 ScanSettings& settings,
                                 const MarqueeList& marquees,
                                 const FinalScanInputs& inputs,
                                 Services& services) {
    FinalScanResult result;
    context.Set(ctx::tablesValid, 0);
    context.Set(ctx::matrixValid, 0);
    const ScanImageType type = DescribeScanImageType(settings);
    context.Set(ctx::pixelType, type.pixelType);
    context.Set(ctx::bitsPerSample, type.bitsPerSample);
    context.Set(ctx::halftoneIndex, type.halftoneIndex);
    context.Set(ctx::hasMarquees, marquees.IsEmpty() ? 0 : 1);
    WriteArea(context, marquees.Current(), inputs.bed);
    context.Set(ctx::dsResolution, settings.scanResolution);
    context.Set(ctx::dsScale, settings.scalePercent);
    WritePixelFields(context, settings.scanResolution, settings.scalePercent);
    context.Set(ctx::colorMatchMode, ColorMatchMode(settings));
    if (context.Get(ctx::pixelWidth) == 0 || context.Get(ctx::pixelHeight) == 0) {
        return result;
    }
    if (context.Get(ctx::level) < capability::kTablesAndMatrix) {
        WriteExposureCodes(context, settings);
    } else {
        WriteTablesAndMatrix(context, settings, type, inputs, result);
    }
    settings.docSource = ActiveTabDocumentSource(settings);
    context.Set(ctx::imageTypeCode, type.code);
    WriteScanFlags(context, settings, type, services);
    ReplaceZeroResolution(context, settings, inputs.resolutionText);
    result.cancelled = !ConfirmDeepColour(context, inputs.owner, services);
    return result;
}

FinalScanResult RunFinalScan(SourceContext& context,
                             ScanSettings& settings,
                             const MarqueeList& marquees,
                             const FinalScanInputs& inputs,
                             Services& services) {
    const FinalScanResult result = PrepareFinalScan(context, settings, marquees, inputs, services);
    if (!result.cancelled) {
        CallDataSource(services.libraries, settings.locations.dataSourcePath, kEntryFinalScan);
    }
    return result;
}

}  // namespace korva
