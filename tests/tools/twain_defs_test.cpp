// The TWAIN structures as they cross DSM_Entry (two-byte packing, pointers of the process's width) and the
// FIX32 numbers resolutions and frames travel in.
#include <gtest/gtest.h>

#include <cstddef>

#include "tools/common/twain_defs.h"

namespace korva::twain {
namespace {

constexpr size_t kPointer = sizeof(void*);

TEST(TwainLayoutTest, StructuresHaveTheProtocolsOffsetsAndSizes) {
    EXPECT_EQ(sizeof(TwIdentity), 156u);
    EXPECT_EQ(offsetof(TwIdentity, protocolMajor), 46u);
    EXPECT_EQ(offsetof(TwIdentity, productName), 122u);
    EXPECT_EQ(sizeof(TwImageInfo), 42u);
    EXPECT_EQ(offsetof(TwImageInfo, bitsPerPixel), 34u);
    EXPECT_EQ(offsetof(TwImageInfo, compression), 40u);
    EXPECT_EQ(sizeof(TwImageLayout), 28u);
    EXPECT_EQ(sizeof(TwPendingXfers), 6u);
    EXPECT_EQ(offsetof(TwOneValue, item), 2u);
    EXPECT_EQ(sizeof(TwRange), 22u);
    EXPECT_EQ(offsetof(TwEnumeration, itemList), 14u);
    EXPECT_EQ(offsetof(TwArray, itemList), 6u);
    EXPECT_EQ(offsetof(TwCapability, container), 4u);
    EXPECT_EQ(offsetof(TwUserInterface, parent), 4u);
    EXPECT_EQ(sizeof(TwEvent), kPointer + 2);
    EXPECT_EQ(offsetof(TwImageMemXfer, memory), 26u);
    EXPECT_EQ(sizeof(TwImageMemXfer), 34u + kPointer);
}

TEST(TwainFix32Test, RoundsToSixteenBitFractionsAndTravelsAsItsOwnBytes) {
    EXPECT_EQ(ToFix32(300.0).whole, 300);
    EXPECT_EQ(ToFix32(300.0).frac, 0u);
    EXPECT_EQ(ToFix32(72.5).frac, 0x8000u);
    EXPECT_EQ(ToFix32(1.0 / 3.0).frac, 0x5555u);
    const TwFix32 negative = ToFix32(-1.25);
    EXPECT_EQ(negative.whole, -2);
    EXPECT_EQ(negative.frac, 0xC000u);
    EXPECT_DOUBLE_EQ(FromFix32(negative), -1.25);

    EXPECT_EQ(Fix32Item(ToFix32(72.5)), 0x80000048u);
    const TwFix32 back = Fix32FromItem(Fix32Item(negative));
    EXPECT_EQ(back.whole, -2);
    EXPECT_EQ(back.frac, 0xC000u);
}

}  // namespace
}  // namespace korva::twain
