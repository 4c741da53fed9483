#include "core/settings/settings_summary.h"

#include <cstdio>

#include "core/settings/fixed_text.h"
#include "core/settings/units.h"

namespace korva {
namespace {

constexpr int kFrontSourceString = 240;
constexpr int kFilmSourceBase = 242;
constexpr int kDpiString = 250;
constexpr int kUserDefinedString = 13;

std::string RowName(const Catalogue& catalogue, int32_t index) {
    const CatalogueRow* row = catalogue.Row(index);
    return row ? FieldText(row->name) : std::string();
}

// "&" is a mnemonic marker in a static control: doubled, it shows as itself.
std::string Literal(const std::string& name) {
    std::string out;
    for (char c : name) {
        out += c;
        if (c == '&') {
            out += '&';
        }
    }
    return out;
}

std::string SizePair(uint32_t width, uint32_t height, uint32_t unit, const ScanSettings& settings) {
    const std::string name = unit < settings.unitNames.size() ? settings.unitNames[unit] : std::string();
    char text[96];
    if (ToUnitKind(static_cast<int32_t>(unit)) == UnitKind::kPixels) {
        std::snprintf(text, sizeof text, "%lu x %lu %s", static_cast<unsigned long>(width / 100u),
                      static_cast<unsigned long>(height / 100u), name.c_str());
    } else {
        const char separator[2] = {settings.decimalSeparator, '\0'};
        std::snprintf(text, sizeof text, "%d%1s%02d x %d%1s%02d %s", static_cast<int>(width / 100u), separator,
                      static_cast<int>(width % 100u), static_cast<int>(height / 100u), separator,
                      static_cast<int>(height % 100u), name.c_str());
    }
    return text;
}

}  // namespace

std::vector<SummaryLine> SettingsSummary(const SettingsBlock& block,
                                         const ScanSettings& settings,
                                         int64_t optionUnit,
                                         StringTable& strings) {
    std::vector<SummaryLine> lines;
    const int sourceString = block.docSource == 0 ? kFrontSourceString
                             : optionUnit != 0    ? kFilmSourceBase + block.docSource
                                                  : kFrontSourceString + block.docSource;
    lines.push_back({705, strings.Load(sourceString)});
    lines.push_back({706, Literal(RowName(settings.imageTypes, block.imageType))});
    lines.push_back({707, RowName(settings.destinations, block.destination)});
    lines.push_back({708, std::to_string(block.scanResolution) + " " + strings.Load(kDpiString)});
    lines.push_back({709, SizePair(block.width, block.height, block.unit, settings)});
    lines.push_back({710, SizePair(block.outWidth, block.outHeight, block.unit, settings)});
    lines.push_back({711, std::to_string(block.scalePercent) + "%"});
    const int32_t values[] = {block.exposure, block.gamma,     block.highlight,
                              block.shadow,   block.sharpness, block.threshold};
    for (int i = 0; i < 6; ++i) {
        lines.push_back({712 + i, std::to_string(values[i])});
    }
    const std::string toneMap = FieldText(block.toneMap.name);
    lines.push_back({718, toneMap.empty() ? strings.Load(kUserDefinedString) : toneMap});
    lines.push_back({719, std::to_string(block.grayBalance)});
    lines.push_back({720, std::to_string(block.saturation)});
    return lines;
}

}  // namespace korva
