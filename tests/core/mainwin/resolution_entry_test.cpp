#include "core/mainwin/resolution_entry.h"

#include <gtest/gtest.h>

#include <array>

namespace korva {
namespace {

constexpr std::array<uint16_t, 4> kDevice = {75, 150, 300, 600};
const std::vector<std::string> kTexts = {"75", "150", "300", "900", "1200"};

TEST(ResolutionListIndexTest, FirstEntryAtLeastTheResolutionThenTheTwoEntriesPastTheEnd) {
    EXPECT_EQ(ResolutionListIndex(kDevice, 50), 0);
    EXPECT_EQ(ResolutionListIndex(kDevice, 150), 1);
    EXPECT_EQ(ResolutionListIndex(kDevice, 151), 2);
    EXPECT_EQ(ResolutionListIndex(kDevice, 600), 3);
    EXPECT_EQ(ResolutionListIndex(kDevice, 900), 4);   // below twice the last entry
    EXPECT_EQ(ResolutionListIndex(kDevice, 1200), 5);  // twice the last entry
    EXPECT_EQ(ResolutionListIndex({}, 300), 1);
}

TEST(ResolveTypedResolutionTest, ListTextsSelectTheirEntry) {
    const auto typed = ResolveTypedResolution("900", kTexts, 75, 600);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->resolution, 900);
    EXPECT_EQ(typed->listIndex, 3u);
    EXPECT_FALSE(typed->rewriteText);
}

TEST(ResolveTypedResolutionTest, NumbersOutsideTheDeviceRangeAreClamped) {
    const auto high = ResolveTypedResolution("5000", kTexts, 75, 600);
    ASSERT_TRUE(high);
    EXPECT_EQ(high->resolution, 600);
    EXPECT_FALSE(high->listIndex);  // 600 is shown as 900 in the list
    EXPECT_TRUE(high->rewriteText);

    const auto low = ResolveTypedResolution("10", kTexts, 75, 600);
    ASSERT_TRUE(low);
    EXPECT_EQ(low->resolution, 75);
    EXPECT_EQ(low->listIndex, 0u);

    const auto inside = ResolveTypedResolution("200", kTexts, 75, 600);
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->resolution, 200);
    EXPECT_FALSE(inside->listIndex);
    EXPECT_FALSE(inside->rewriteText);
}

TEST(ResolveTypedResolutionTest, AnEmptyTextGivesNothingAndLongTextsAreCut) {
    EXPECT_FALSE(ResolveTypedResolution("", kTexts, 75, 600));
    // Only 10 characters are read: "3000000000" is clamped to the maximum, the rest never seen.
    const auto cut = ResolveTypedResolution("30000000001", kTexts, 75, 600);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->resolution, 600);
}

}  // namespace
}  // namespace korva
