// The resolution field (372) of the tab pages: which list entry shows a resolution, and what a typed
// resolution becomes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korva {

// The entry for resolution r in the device's list: the first entry at least r; past the end the entry
// count when r is below twice the last entry, else the count + 1.
int32_t ResolutionListIndex(std::span<const uint16_t> deviceList, int32_t r);

struct TypedResolution {
    int32_t resolution = 0;
    std::optional<size_t> listIndex;  // the entry to select, when the list shows this resolution
    bool rewriteText = false;         // the field must show the resolution (it was clamped)
};

// What the text typed into the field (read up to 10 characters) means, with the list's texts and the
// device's smallest and largest resolution: a text of the list is its entry; any other number is
// clamped to the device's range (below it: entry 0 and the minimum; above it: the maximum, selected
// when the list holds it). None for an empty text: the field gets the current resolution back.
std::optional<TypedResolution> ResolveTypedResolution(std::string_view text,
                                                      const std::vector<std::string>& listTexts,
                                                      int32_t deviceMinimum,
                                                      int32_t deviceMaximum);

}  // namespace korva
