// The simulated scanner's protocol session as an application meets it: values refused with the condition
// codes it reports, units that change what resolutions and frames read, page sizes that set the layout,
// and the transfers of a scan announced once and counted down.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tools/datasource/twain_session.h"

namespace korva::sim {
namespace {

namespace tw = twain;

std::vector<uint8_t> OneValue(uint16_t itemType, uint32_t item) {
    tw::TwOneValue one;
    one.itemType = itemType;
    one.item = item;
    std::vector<uint8_t> bytes(sizeof one);
    std::memcpy(bytes.data(), &one, sizeof one);
    return bytes;
}

class TwainSessionTest : public ::testing::Test {
  protected:
    void SetUp() override { session_.Open(DeviceModel{}); }

    uint16_t Set(uint16_t cap, uint16_t itemType, uint32_t item) {
        const std::vector<uint8_t> in = OneValue(itemType, item);
        return session_.Capability(cap, tw::kMsgSet, tw::kOnOneValue, in).condition;
    }

    // The current value of a one-value answer.
    uint32_t Current(uint16_t cap) {
        const CapabilityReply reply = session_.Capability(cap, tw::kMsgGetCurrent, 0, {});
        EXPECT_EQ(reply.conType, tw::kOnOneValue);
        tw::TwOneValue one;
        std::memcpy(&one, reply.container.data(), sizeof one);
        return one.item;
    }

    TwainSession session_;
};

TEST_F(TwainSessionTest, RefusesWhatTheDeviceCannotTakeAndFollowsThePixelTypeAndUnits) {
    EXPECT_EQ(Set(tw::kICapXResolution, tw::kTyFix32, tw::Fix32Item(tw::ToFix32(1201))), tw::kCcBadValue);
    EXPECT_EQ(Set(tw::kICapPixelType, tw::kTyUint16, 3), tw::kCcBadValue);
    EXPECT_EQ(Set(tw::kICapPixelType, tw::kTyUint32, tw::kPtGray), tw::kCcBadValue);
    EXPECT_EQ(Set(tw::kICapPhysicalWidth, tw::kTyFix32, 0), tw::kCcCapBadOperation);
    EXPECT_EQ(Set(tw::kCapXferCount, tw::kTyInt16, 0), tw::kCcBadValue);
    EXPECT_EQ(session_.Capability(0x1234, tw::kMsgGet, 0, {}).condition, tw::kCcCapUnsupported);
    EXPECT_EQ(session_.Capability(tw::kCapFeederEnabled, tw::kMsgGet, 0, {}).condition, tw::kCcCapUnsupported);

    EXPECT_EQ(Set(tw::kICapPixelType, tw::kTyUint16, tw::kPtGray), tw::kCcSuccess);
    EXPECT_EQ(Current(tw::kICapBitDepth), 8u);
    // 118.11 dots per centimetre are 300 dots per inch, and both directions share them.
    EXPECT_EQ(Set(tw::kICapUnits, tw::kTyUint16, tw::kUnCentimeters), tw::kCcSuccess);
    EXPECT_EQ(Set(tw::kICapYResolution, tw::kTyFix32, tw::Fix32Item(tw::ToFix32(600 / 2.54))), tw::kCcSuccess);
    EXPECT_EQ(session_.Capabilities().Resolution(), 600);
    EXPECT_NEAR(tw::FromFix32(tw::Fix32FromItem(Current(tw::kICapXResolution))), 236.22, 0.001);
    EXPECT_NEAR(tw::FromFix32(tw::Fix32FromItem(Current(tw::kICapPhysicalWidth))), 21.59, 0.0001);

    ASSERT_EQ(session_.Enable(), tw::kCcSuccess);
    EXPECT_EQ(Set(tw::kICapPixelType, tw::kTyUint16, tw::kPtRgb), tw::kCcSeqError);
    EXPECT_EQ(session_.Capability(tw::kICapPixelType, tw::kMsgGetCurrent, 0, {}).rc, tw::kRcSuccess);
}

TEST_F(TwainSessionTest, TheLayoutIsKeptInTheCurrentUnitsAndFollowsAChosenPageSize) {
    tw::TwImageLayout layout;
    layout.frame = {tw::ToFix32(1), tw::ToFix32(2), tw::ToFix32(3), tw::ToFix32(5)};
    ASSERT_EQ(session_.ImageLayout(tw::kMsgSet, layout), tw::kCcSuccess);
    ASSERT_EQ(Set(tw::kICapUnits, tw::kTyUint16, tw::kUnPixels), tw::kCcSuccess);
    ASSERT_EQ(session_.ImageLayout(tw::kMsgGet, layout), tw::kCcSuccess);
    EXPECT_EQ(layout.frame.right.whole, 900);
    EXPECT_EQ(layout.frame.bottom.whole, 1500);
    layout.frame.right = tw::ToFix32(8.51 * 300);
    EXPECT_EQ(session_.ImageLayout(tw::kMsgSet, layout), tw::kCcBadValue);

    DeviceModel feeder;
    feeder.optionUnit = 0;
    session_.Open(feeder);
    EXPECT_EQ(Set(tw::kICapSupportedSizes, tw::kTyUint16, tw::kSsUsLetter), tw::kCcSuccess);
    ASSERT_EQ(session_.ImageLayout(tw::kMsgGet, layout), tw::kCcSuccess);
    EXPECT_DOUBLE_EQ(tw::FromFix32(layout.frame.right), 8.5);
    EXPECT_DOUBLE_EQ(tw::FromFix32(layout.frame.bottom), 11.0);
}

TEST_F(TwainSessionTest, ImagesAreAnnouncedAfterTheScanAndCountedDownToTheTransferCount) {
    ASSERT_EQ(Set(tw::kCapXferCount, tw::kTyInt16, 2), tw::kCcSuccess);
    ASSERT_EQ(session_.Enable(), tw::kCcSuccess);
    for (int i = 0; i < 3; ++i) {
        PendingImage image;
        image.bitmap.width = 10 + i;
        session_.AddImage(image);
    }
    session_.RequestClose();
    EXPECT_EQ(session_.TakeReply(true), tw::kMsgNull);
    EXPECT_EQ(session_.TakeReply(false), tw::kMsgXferReady);
    EXPECT_EQ(session_.Current(), TwainSession::kReady);
    EXPECT_EQ(session_.TakeReply(false), tw::kMsgNull);

    tw::TwImageInfo info;
    tw::TwPendingXfers pending;
    uint16_t condition = 0;
    ASSERT_NE(session_.NextImage(condition), nullptr);
    session_.Transferred();
    EXPECT_EQ(session_.NextImage(condition), nullptr);
    EXPECT_EQ(condition, tw::kCcSeqError);
    ASSERT_EQ(session_.EndTransfer(pending), tw::kCcSuccess);
    EXPECT_EQ(pending.count, 1u);
    ASSERT_EQ(session_.ImageInfo(info), tw::kCcSuccess);
    EXPECT_EQ(info.imageWidth, 11);
    ASSERT_EQ(session_.EndTransfer(pending), tw::kCcSuccess);
    EXPECT_EQ(pending.count, 0u);  // the third image is beyond the count the application asked for
    EXPECT_EQ(session_.Current(), TwainSession::kEnabled);
    EXPECT_EQ(session_.ImageInfo(info), tw::kCcSeqError);
    EXPECT_EQ(session_.TakeReply(false), tw::kMsgCloseDsReq);
    EXPECT_EQ(session_.Disable(), tw::kCcSuccess);
}

TEST_F(TwainSessionTest, AMemoryTransferHandsOverWholeRowsTopDownInRedGreenBlueOrder) {
    ASSERT_EQ(Set(tw::kICapXferMech, tw::kTyUint16, tw::kSxMemory), tw::kCcSuccess);
    tw::TwSetupMemXfer setup;
    ASSERT_EQ(session_.SetupMemory(setup), tw::kCcSuccess);
    EXPECT_EQ(setup.minBufSize, 30600u);  // 8.5 inches at 1200 dpi, three bytes a pixel
    ASSERT_EQ(session_.Enable(), tw::kCcSuccess);
    PendingImage image;
    image.bitmap = {1, 3, 24, {}, {}};
    image.bitmap.rows = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0};  // blue, green, red; the bottom row first
    session_.AddImage(image);
    ASSERT_EQ(session_.TakeReply(false), tw::kMsgXferReady);
    uint16_t condition = 0;
    EXPECT_EQ(session_.NextImage(condition), nullptr);  // not the mechanism negotiated

    tw::TwImageMemXfer strip;
    std::vector<uint8_t> bytes;
    bool done = true;
    ASSERT_EQ(session_.NextStrip(9, strip, bytes, done), tw::kCcSuccess);
    EXPECT_FALSE(done);
    EXPECT_EQ(uint32_t{strip.rows}, 2u);  // copied out of the packed structure
    EXPECT_EQ(uint32_t{strip.bytesPerRow}, 4u);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{9, 8, 7, 0, 6, 5, 4, 0}));
    ASSERT_EQ(session_.NextStrip(9, strip, bytes, done), tw::kCcSuccess);
    EXPECT_TRUE(done);
    EXPECT_EQ(uint32_t{strip.yOffset}, 2u);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{3, 2, 1, 0}));
    EXPECT_EQ(session_.NextStrip(9, strip, bytes, done), tw::kCcSeqError);
}

TEST(TwainImageInfoTest, DescribesColourGreyAndLineArtBitmaps) {
    PendingImage image;
    image.dpi = 150;
    image.bitmap = {20, 30, 24, {}, {}};
    const auto fields = [&] {
        const tw::TwImageInfo info = DescribeImage(image);
        return std::vector<int>{info.xResolution.whole, info.imageLength,  info.samplesPerPixel, info.bitsPerSample[0],
                                info.bitsPerSample[2],  info.bitsPerPixel, info.pixelType};
    };
    EXPECT_EQ(fields(), (std::vector<int>{150, 30, 3, 8, 8, 24, tw::kPtRgb}));
    image.bitmap.bitsPerPixel = 1;
    image.pixelType = tw::kPtBw;
    EXPECT_EQ(fields(), (std::vector<int>{150, 30, 1, 1, 0, 1, tw::kPtBw}));
}

}  // namespace
}  // namespace korva::sim
