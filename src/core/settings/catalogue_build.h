// Building the catalogues at dialog start, from the INI lists or from the built-in entries, and
// writing them back when the user interface closes.
#pragma once

#include "core/boundary/source_context.h"
#include "core/settings/scan_settings.h"
#include "platform/services.h"

namespace korva {

// Each builds one catalogue from the count LoadDriverSettings read: 0 gives the built-in entries,
// otherwise the INI list is read. False when the count is negative (no room can be had); the
// catalogue is then empty.
bool BuildImageTypes(ScanSettings& settings, Services& services);
bool BuildDestinations(ScanSettings& settings, Services& services);
// Also takes "GAMMA MAP" as the current tone map (0 when it equals the count) and copies that row
// into the tone map in force and its working copy.
bool BuildToneMaps(ScanSettings& settings, Services& services);

// Everything the main dialog needs at start, in order: printer list, image types, destinations,
// tone maps, resolution list; then a current image type or destination above the count becomes 0.
void BuildCatalogues(ScanSettings& settings, Services& services, const SourceContext& context);

// Removes the first row named `name`, moving the rows behind it up; when it was the current row the
// current index becomes its index - 1. False when no row has that name.
bool RemoveNamedRow(Catalogue& catalogue, std::string_view name);

// Writes each count, drops an "Application Defined" image type and destination, and writes the lists.
void SaveCatalogues(ScanSettings& settings, Services& services);

}  // namespace korva
