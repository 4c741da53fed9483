// The resolutions offered on the tab pages, built from the device's list, and the resolution a
// destination proposes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/boundary/source_context.h"
#include "core/settings/catalogue.h"
#include "core/settings/pixel_types.h"
#include "platform/string_table.h"

namespace korva {

struct ResolutionList {
    // The device's resolutions with the last one replaced by one and a half times it, then twice it.
    std::vector<std::string> texts;
    int32_t maxOptical = 0;  // the last device resolution
    int32_t minimum = 0;     // the first device resolution
};

// Empty when the device lists no resolution; at most the 32 entries the context holds are read.
ResolutionList BuildResolutionList(const SourceContext& context);

// What choosing a destination sets: the sharpness (image-processing parameter 12, the number its level
// shows, "+1" = 1) and the resolution proposed for the current pixel type's depth class, with its
// entry in the resolution list when the list holds it.
struct DestinationChoice {
    int32_t sharpness = 0;
    int32_t resolution = 0;
    std::optional<size_t> listIndex;
};

DestinationChoice ChooseDestination(const CatalogueRow& destination,
                                    const PixelTypeInfo& pixelType,
                                    const ResolutionList& list,
                                    StringTable& strings);

}  // namespace korva
