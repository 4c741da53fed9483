#include "core/mainwin/resolution_entry.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace korva {
namespace {

constexpr size_t kFieldCharacters = 10;

std::optional<size_t> FindText(const std::vector<std::string>& texts, std::string_view text) {
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

int32_t ResolutionListIndex(std::span<const uint16_t> deviceList, int32_t r) {
    const auto count = static_cast<int32_t>(deviceList.size());
    for (int32_t i = 0; i < count; ++i) {
        if (deviceList[static_cast<size_t>(i)] >= r) {
            return i;
        }
    }
    if (count > 0 && 2 * static_cast<int32_t>(deviceList.back()) > r) {
        return count;
    }
    return count + 1;
}

std::optional<TypedResolution> ResolveTypedResolution(std::string_view text,
                                                      const std::vector<std::string>& listTexts,
                                                      int32_t deviceMinimum,
                                                      int32_t deviceMaximum) {
    text = text.substr(0, kFieldCharacters);
    if (text.empty()) {
        return std::nullopt;
    }
    TypedResolution result;
    if (const std::optional<size_t> entry = FindText(listTexts, text)) {
        result.listIndex = entry;
        result.resolution = std::atoi(listTexts[*entry].c_str());
        return result;
    }
    const long long typed = std::strtoll(std::string(text).c_str(), nullptr, 10);
    result.resolution = static_cast<int32_t>(std::clamp<long long>(typed, INT32_MIN, INT32_MAX));
    if (result.resolution < deviceMinimum) {
        result.resolution = deviceMinimum;
        result.listIndex = 0;
        result.rewriteText = true;
    } else if (result.resolution > deviceMaximum) {
        result.resolution = deviceMaximum;
        result.listIndex = FindText(listTexts, std::to_string(deviceMaximum));
        result.rewriteText = true;
    }
    return result;
}

}  // namespace korva
