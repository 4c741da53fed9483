#include "core/settings/settings_summary.h"

#include <cstdio>

#include "core/settings/fixed_text.h"
#include "core/settings/units.h"

namespace korva {
namespace {

constexpr int kUserDefinedString = 13;
constexpr int kFrontString = 240;
constexpr int kFilmSourceBase = 242;
constexpr int kDpiString = 250;

std::string Number(int32_t value) {
    return std::to_string(value);
}

std::string RowName(const Catalogue& catalogue, int32_t index) {
    const CatalogueRow* row = catalogue.Row(index);
    return row ? FieldText(row->name) : std::string();
}

// Menu texts mark their access key with "&"; a static control would swallow a single one.
std::string DoubledAmpersands(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&') {
            out += '&';
        }
    }
    return out;
}

std::string SizePair(uint32_t width, uint32_t height, uint32_t unit, const ScanSettings& settings) {
    const UnitKind kind = ToUnitKind(static_cast<int32_t>(unit));
    const std::string& unitName = settings.unitNames[static_cast<size_t>(kind)];
    return FormatDisplayValue(width, kind, settings.decimalSeparator) + " x " +
           FormatDisplayValue(height, kind, settings.decimalSeparator) + " " + unitName;
}

}  // namespace

std::vector<SummaryLine> SummarizeSettings(const SettingsBlock& block,
                                           const ScanSettings& settings,
                                           int32_t optionUnit,
                                           StringTable& strings) {
    const int sourceString =
        block.docSource == 0 ? kFrontString : (optionUnit != 0 ? kFilmSourceBase : kFrontString) + block.docSource;
    std::string toneMap = FieldText(block.toneMap.name);
    if (toneMap.empty()) {
        toneMap = strings.Load(kUserDefinedString);
    }
    char focus[32];
    std::snprintf(focus, sizeof focus, "%4.1f", static_cast<double>(block.focusPosition));

    return {
        {705, strings.Load(sourceString)},
        {706, DoubledAmpersands(RowName(settings.imageTypes, block.imageType))},
        {707, RowName(settings.destinations, block.destination)},
        {708, Number(block.scanResolution) + " " + strings.Load(kDpiString)},
        {709, SizePair(block.width, block.height, block.unit, settings)},
        {710, SizePair(block.outWidth, block.outHeight, block.unit, settings)},
        {711, Number(block.scalePercent) + "%"},
        {712, Number(block.exposure)},
        {713, Number(block.gamma)},
        {714, Number(block.highlight)},
        {715, Number(block.shadow)},
        {716, Number(block.sharpness)},
        {717, Number(block.threshold)},
        {718, toneMap},
        {719, Number(block.grayBalance)},
        {720, Number(block.saturation)},
        {745, focus},
    };
}

}  // namespace korva
