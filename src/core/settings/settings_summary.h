// The summary of a settings block as the advanced panel and the saved-settings dialog show it: one
// text per summary control (705 .. 720).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/scan_settings.h"
#include "core/settings/settings_block.h"
#include "platform/string_table.h"

namespace korva {

struct SummaryLine {
    int controlId = 0;
    std::string text;
};

// The names come from the catalogues of `settings` and the string table; sizes use the settings' unit
// names and decimal separator.
std::vector<SummaryLine> SettingsSummary(const SettingsBlock& block,
                                         const ScanSettings& settings,
                                         int64_t optionUnit,
                                         StringTable& strings);

}  // namespace korva
