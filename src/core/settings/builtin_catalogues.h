// The entries the catalogues start with when the INI file holds no list of their own.
#pragma once

#include <vector>

#include "core/settings/catalogue_row.h"
#include "platform/string_table.h"

namespace korva {

// Eight image types, named from strings 170-177; the line-art type's quality is 1 for the 'J' language.
std::vector<CatalogueRow> BuiltinImageTypes(StringTable& strings, char languageLetter);

// Eleven destinations, named from strings 400-410, with the English name as their text.
std::vector<CatalogueRow> BuiltinDestinations(StringTable& strings);

// Six tone maps, named from strings 215-220: identity red, green and blue channels and a master curve
// of their own, shown on the master channel.
std::vector<CatalogueRow> BuiltinToneMaps(StringTable& strings);

// The "Linear" tone map: identity in every channel.
CatalogueRow LinearToneMap(StringTable& strings);

}  // namespace korva
