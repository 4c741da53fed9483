// A catalogue of image types, destinations or tone maps: its rows, how many of them count, and the
// current one.
#pragma once

#include <cstdint>
#include <vector>

#include "core/settings/catalogue_row.h"

namespace korva {

// Counts read from the INI file above this are read as this many rows; the rest are dropped like
// rows whose keys are missing.
inline constexpr int32_t kMaxCatalogueRows = 1000;

struct Catalogue {
    std::vector<CatalogueRow> rows;  // zero-initialised room for the count and the rows added later
    int32_t count = 0;
    int32_t current = 0;

    // The row at `index` when it is one of the counted rows, else null.
    const CatalogueRow* Row(int32_t index) const {
        if (index < 0 || index >= count || static_cast<size_t>(index) >= rows.size()) {
            return nullptr;
        }
        return &rows[static_cast<size_t>(index)];
    }
    const CatalogueRow* CurrentRow() const { return Row(current); }
};

// Meanings of the values of an image-type row.
namespace image_type {
inline constexpr int kPixelType = 0;
inline constexpr int kHalftone = 1;
inline constexpr int kDropout = 2;
inline constexpr int kQuality = 3;     // flag word A
inline constexpr int kTextOption = 4;  // flag word B
inline constexpr int kCode = 5;        // sent to the data source; not stored in the INI
}  // namespace image_type

// Meanings of the values of a destination row.
namespace destination {
inline constexpr int kLevel = 0;
inline constexpr int kResolutionBelow8Bits = 1;
inline constexpr int kResolutionFrom8Bits = 2;
}  // namespace destination

// The cell of a tone-map row that holds the control id of the channel shown first, and the master's id.
namespace tone_map {
inline constexpr int kSelectedChannelCell = 24;
inline constexpr int32_t kMasterButton = 443;
}  // namespace tone_map

}  // namespace korva
