#include "core/mainwin/resolution_entry.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace korva {
namespace {

TEST(ResolutionListIndexTest, FirstEntryAtLeastTheResolutionThenTheTwoEntriesPastTheEnd) {
    constexpr std::array<uint16_t, 4> kDevice = {75, 150, 300, 600};
    EXPECT_EQ(ResolutionListIndex(kDevice, 50), 0);
    EXPECT_EQ(ResolutionListIndex(kDevice, 150), 1);
    EXPECT_EQ(ResolutionListIndex(kDevice, 151), 2);
    EXPECT_EQ(ResolutionListIndex(kDevice, 600), 3);
    EXPECT_EQ(ResolutionListIndex(kDevice, 900), 4);   // below twice the last entry
    EXPECT_EQ(ResolutionListIndex(kDevice, 1200), 5);  // twice the last entry
    EXPECT_EQ(ResolutionListIndex({}, 300), 1);
}

TEST(ResolveTypedResolutionTest, ListTextsSelectTheirEntryAndOtherNumbersAreClampedToTheDevice) {
    using Typed = std::tuple<int32_t, std::optional<size_t>, bool>;  // resolution, list index, rewrite text
    const auto resolve = [](const char* text) {
        const std::vector<std::string> texts = {"75", "150", "300", "900", "1200"};
        const std::optional<TypedResolution> typed = ResolveTypedResolution(text, texts, 75, 600);
        return typed ? std::optional(Typed(typed->resolution, typed->listIndex, typed->rewriteText)) : std::nullopt;
    };
    EXPECT_EQ(resolve("900"), Typed(900, 3, false));
    EXPECT_EQ(resolve("5000"), Typed(600, std::nullopt, true));  // 600 is shown as 900 in the list
    EXPECT_EQ(resolve("10"), Typed(75, 0, true));
    EXPECT_EQ(resolve("200"), Typed(200, std::nullopt, false));
    // Only 10 characters are read: "3000000000" is clamped to the maximum, the rest never seen.
    EXPECT_EQ(resolve("30000000001"), Typed(600, std::nullopt, true));
    EXPECT_EQ(resolve(""), std::nullopt);
}

}  // namespace
}  // namespace korva
