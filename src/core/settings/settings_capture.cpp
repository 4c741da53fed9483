#include "core/settings/settings_capture.h"

#include <algorithm>

#include "core/settings/fixed_text.h"
#include "core/settings/units.h"

namespace korva {
namespace {

constexpr int kUserDefinedString = 13;

uint32_t ParsedOrZero(const std::string& text, char separator) {
    return ParseDisplayNumber(text, separator).value_or(0);
}

int32_t PixelTypeOf(const ScanSettings& settings) {
    const CatalogueRow* row = settings.imageTypes.CurrentRow();
    return row ? row->values[image_type::kPixelType] : -1;
}

int32_t LimitToCatalogue(int32_t index, const Catalogue& catalogue) {
    return std::max(0, std::min(index, catalogue.count - 1));
}

// One edge of the selection in view pixels, clamped to 0 … size - 1.
int32_t ToView(int64_t position, int32_t areaOrigin, int32_t viewSize, int32_t areaSize) {
    const int64_t pixels = (position - areaOrigin) * viewSize / areaSize;
    return static_cast<int32_t>(std::clamp<int64_t>(pixels, 0, std::max(viewSize - 1, 0)));
}

}  // namespace

SettingsBlock CaptureSettings(const ScanSettings& s,
                              const PreviewView& view,
                              const DisplayedSizes& sizes,
                              const DocumentSelection& selection,
                              BlockUse use,
                              StringTable& strings) {
    SettingsBlock b;
    b.docSource = s.docSource;
    b.imageType = s.imageTypes.current;
    b.destination = s.destinations.current;
    b.scanResolution = s.scanResolution;
    b.unit = static_cast<uint32_t>(s.displayUnit);
    b.width = ParsedOrZero(sizes.width, s.decimalSeparator);
    b.height = ParsedOrZero(sizes.height, s.decimalSeparator);
    b.outWidth = ParsedOrZero(sizes.outWidth, s.decimalSeparator);
    b.outHeight = ParsedOrZero(sizes.outHeight, s.decimalSeparator);
    b.scalePercent = s.scalePercent;
    b.processingFlag14 = s.processingFlag14;
    b.imageLocked = use == BlockUse::kDialog ? s.locks.image : s.savedLocks.image;
    b.exposure = s.iproc[iproc::kExposure];
    b.gamma = s.iproc[iproc::kGamma];
    b.highlight = s.iproc[iproc::kHighlight];
    b.shadow = s.iproc[iproc::kShadow];
    b.sharpness = s.iproc[iproc::kSharpness];
    b.threshold = s.iproc[iproc::kThreshold];
    b.toneMapIndex = s.toneMaps.current;
    b.grayBalance = s.iproc[iproc::kGrayBalance];
    b.saturation = s.iproc[iproc::kSaturation];
    b.red = s.red;
    b.green = s.green;
    b.blue = s.blue;
    b.switchRed = s.switchRed;
    b.switchGreen = s.switchGreen;
    b.switchBlue = s.switchBlue;
    b.areaWidth = view.areaWidth;
    b.areaHeight = view.areaHeight;
    b.areaLeft = view.areaLeft;
    b.areaTop = view.areaTop;
    b.currentRect = view.currentRect;
    b.channelGamma = s.channelGamma;
    b.channelOffset = s.channelOffset;
    b.channelBalance = s.channelBalance;
    const PixelTypeInfo* type = FindPixelType(s.pixelTypes, PixelTypeOf(s));
    b.darkDocument = type && type->bitsPerPixel == 1 ? 1 : 0;
    b.toneMap = s.toneMapInForce;
    if (s.toneMaps.current == s.toneMaps.count) {
        SetFieldText(b.toneMap.name, strings.Load(kUserDefinedString));
    } else if (const CatalogueRow* row = s.toneMaps.Row(s.toneMaps.current)) {
        b.toneMap.name = row->name;
    }
    b.selectionWidth = selection.width;
    b.selectionHeight = selection.height;
    b.selectionLeft = selection.left;
    b.selectionTop = selection.top;
    b.param8 = s.iproc[iproc::kColourValue8];
    b.param9 = s.iproc[iproc::kColourValue9];
    b.focusPosition = s.focusPosition;
    return b;
}

void ApplySettingsBlock(ScanSettings& s,
                        PreviewView& view,
                        SourceContext& context,
                        const SettingsBlock& b,
                        StringTable& strings,
                        bool show) {
    s.docSource = b.docSource;
    s.imageTypes.current = LimitToCatalogue(b.imageType, s.imageTypes);
    s.destinations.current = LimitToCatalogue(b.destination, s.destinations);
    s.displayUnit = static_cast<int32_t>(b.unit);
    s.focusPosition = b.focusPosition;
    s.scalePercent = b.scalePercent;
    s.scanResolution = b.scanResolution;
    s.iproc[iproc::kExposure] = b.exposure;
    s.iproc[iproc::kGamma] = b.gamma;
    s.iproc[iproc::kHighlight] = b.highlight;
    s.iproc[iproc::kShadow] = b.shadow;
    s.iproc[iproc::kThreshold] = b.threshold;
    s.iproc[iproc::kGrayBalance] = b.grayBalance;
    s.iproc[iproc::kSaturation] = b.saturation;
    s.iproc[iproc::kColourValue8] = b.param8;
    s.iproc[iproc::kColourValue9] = b.param9;
    s.iproc[iproc::kSharpness] = b.sharpness;
    s.toneMaps.current =
        FieldText(b.toneMap.name) == strings.Load(kUserDefinedString) ? s.toneMaps.count : b.toneMapIndex;
    s.toneMapInForce = b.toneMap;
    s.toneMapWorking = b.toneMap;
    s.red = b.red;
    s.green = b.green;
    s.blue = b.blue;
    s.switchRed = b.switchRed;
    s.switchGreen = b.switchGreen;
    s.switchBlue = b.switchBlue;
    s.channelGamma = b.channelGamma;
    s.channelOffset = b.channelOffset;
    s.channelBalance = b.channelBalance;

    if (view.areaWidth > 0 && view.areaHeight > 0) {
        const int64_t right = int64_t{b.selectionLeft} + b.selectionWidth;
        const int64_t bottom = int64_t{b.selectionTop} + b.selectionHeight;
        view.currentRect = Rect{ToView(b.selectionLeft, view.areaLeft, view.viewWidth, view.areaWidth),
                                ToView(b.selectionTop, view.areaTop, view.viewHeight, view.areaHeight),
                                ToView(right, view.areaLeft, view.viewWidth, view.areaWidth),
                                ToView(bottom, view.areaTop, view.viewHeight, view.areaHeight)};
    }

    s.processingFlag14 = b.processingFlag14;
    s.locks.image = b.imageLocked;
    s.savedLocks.image = b.imageLocked;
    s.darkDocument = b.darkDocument;
    if (context.Get(ctx::batchActive) != 0) {
        context.Set(ctx::dsAreaWidth, b.selectionWidth);
        context.Set(ctx::dsAreaHeight, b.selectionHeight);
        context.Set(ctx::dsAreaLeft, b.selectionLeft);
        context.Set(ctx::dsAreaTop, b.selectionTop);
    }
    if (show) {
        s.colorMatchActive = ColourMatchingInEffect(s, static_cast<int32_t>(context.Get(ctx::optionUnit)));
    }
}

bool ColourMatchingInEffect(const ScanSettings& settings, int32_t optionUnit) {
    return settings.windows95Icm == 1 && PixelTypeOf(settings) == kPixelType24BitColour &&
           !(settings.docSource == 1 && optionUnit == 1);
}

}  // namespace korva
