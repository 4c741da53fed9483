// The catalogue lists of the driver INI file. Image types and destinations keep one key per row
// ("SCAN MODE0=Photo,1,0,0,1,2"; destinations add their text after the values); tone maps keep two
// ("GAMMA MAPS0 NAME=Linear", "GAMMA MAPS0 VALUE=8,64,…"). Values are written unsigned.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/settings/catalogue.h"
#include "platform/profile.h"

namespace korva {

struct CatalogueFormat {
    const char* section;
    const char* countKey;
    const char* keyPrefix;
    int valueCount;      // values stored per row
    bool hasText;        // destinations: the text follows the values
    bool nameValueKeys;  // tone maps: separate NAME and VALUE keys
};

inline constexpr CatalogueFormat kImageTypeList{"IMAGE TYPES", "NUMBER OF SCAN MODES", "SCAN MODE", 5, false, false};
inline constexpr CatalogueFormat kDestinationList{"DESTINATION", "NUMBER OF TARGET MODES", "TARGET MODE", 3, true,
                                                  false};
inline constexpr CatalogueFormat kToneMapList{"GAMMA CORR", "NUMBER OF GAMMA MAPS", "GAMMA MAPS", 25, false, true};

// Reads rows 0 … count - 1 into `rows` (which has room for them). A row whose key is empty keeps its
// place but lowers `count` by one.
void ReadCatalogue(Profile& profile,
                   const std::string& iniPath,
                   const CatalogueFormat& format,
                   std::span<CatalogueRow> rows,
                   int32_t& count);

void WriteCatalogue(Profile& profile,
                    const std::string& iniPath,
                    const CatalogueFormat& format,
                    std::span<const CatalogueRow> rows);

// One stored row line (image types, destinations) or VALUE line (tone maps) back into a row.
void ParseCatalogueLine(std::string_view line, const CatalogueFormat& format, CatalogueRow& row);
std::string FormatCatalogueLine(const CatalogueRow& row, const CatalogueFormat& format);

// A decimal number as the lists store it: optional sign and digits, wrapping at 32 bits, so that an
// unsigned text restores the negative value it was written from; anything else ends the number.
int32_t ParseListNumber(std::string_view text);

}  // namespace korva
