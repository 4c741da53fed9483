// The summary of a settings block as the saved-settings dialog shows it: source, image type,
// destination, resolution, sizes, scale, the image-processing values, tone map and focus position.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/scan_settings.h"
#include "core/settings/settings_block.h"
#include "platform/string_table.h"

namespace korva {

struct SummaryLine {
    int control = 0;
    std::string text;
};

// One line per summary control (705 ... 720 and 745), in control order. `optionUnit` is the installed
// option of the device: with one, sources above 0 are named from the transparency-unit strings.
std::vector<SummaryLine> SummarizeSettings(const SettingsBlock& block,
                                           const ScanSettings& settings,
                                           int32_t optionUnit,
                                           StringTable& strings);

}  // namespace korva
