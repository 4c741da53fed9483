#include "core/settings/resolution_list.h"

#include <algorithm>
#include <cstdlib>

namespace korva {
namespace {

constexpr int kFirstLevelString = 450;
constexpr int32_t kLevels = 5;

}  // namespace

ResolutionList BuildResolutionList(const SourceContext& context) {
    ResolutionList list;
    const auto n = static_cast<uint32_t>(
        std::min<int64_t>(context.Get(ctx::resolutionCount), static_cast<int64_t>(ctx::resolutionList.count)));
    if (n == 0) {
        return list;
    }
    for (uint32_t i = 0; i < n; ++i) {
        list.texts.push_back(std::to_string(context.Get(ctx::resolutionList, i)));
    }
    const auto last = static_cast<int32_t>(context.Get(ctx::resolutionList, n - 1));
    list.maxOptical = last;
    list.minimum = static_cast<int32_t>(context.Get(ctx::resolutionList, 0));
    list.texts[n - 1] = std::to_string(last * 3 / 2);
    list.texts.push_back(std::to_string(last * 2));
    return list;
}

DestinationChoice ChooseDestination(const CatalogueRow& destination,
                                    const PixelTypeInfo& pixelType,
                                    const ResolutionList& list,
                                    StringTable& strings) {
    DestinationChoice choice;
    const int32_t level = destination.values[destination::kLevel];
    if (level >= 0 && level < kLevels) {
        choice.sharpness = std::atoi(strings.Load(kFirstLevelString + level).c_str());
    }
    choice.resolution = destination.values[DepthClass(pixelType) == 1 ? destination::kResolutionBelow8Bits
                                                                      : destination::kResolutionFrom8Bits];
    const std::string text = std::to_string(choice.resolution);
    for (size_t i = 0; i < list.texts.size(); ++i) {
        if (list.texts[i] == text) {
            choice.listIndex = i;
            break;
        }
    }
    return choice;
}

}  // namespace korva
