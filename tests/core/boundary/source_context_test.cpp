#include "core/boundary/source_context.h"

#include <gtest/gtest.h>

#include <vector>

namespace korva {
namespace {

TEST(SourceContextTest, FieldsSitAtTheirOffsetsWithTheirWidthsAndSignedness) {
    std::vector<uint8_t> block(kSourceContextSize, 0);
    SourceContext context(block.data());

    context.Set(ctx::dsAreaWidth, 850);
    EXPECT_EQ(block[178], 0x52);
    EXPECT_EQ(block[179], 0x03);
    EXPECT_EQ(block[180], 0);
    context.Set(ctx::threshold, 173);
    EXPECT_EQ(block[1588], 173);
    EXPECT_EQ(block[1589], 0);
    context.Set(ctx::resolutionList, 600, 4);
    EXPECT_EQ(block[88], 0x58);
    EXPECT_EQ(block[89], 0x02);
    context.Set(ctx::tableBlue, 255, 255);
    EXPECT_EQ(block[826 + 255], 255);
    context.Set(ctx::unsharpMask, 1);
    EXPECT_EQ(block[1616], 1);
    EXPECT_EQ(ctx::unsharpMask.offset + ctx::unsharpMask.width, kSourceContextSize);

    block[1422] = 0x9C;  // -100: focusing failed
    EXPECT_EQ(context.Get(ctx::focusTenths), -100);
    context.Set(ctx::threshold, 0xFFFF);
    EXPECT_EQ(context.Get(ctx::threshold), 0xFFFF);
    context.Set(ctx::dsAreaLeft, -1);
    EXPECT_EQ(context.Get(ctx::dsAreaLeft), -1);
    EXPECT_EQ(block[189], 0xFF);
    context.Set(ctx::typedWidthPixels, 0xFFFFFFFFll);
    EXPECT_EQ(context.Get(ctx::typedWidthPixels), 0xFFFFFFFFll);
}

TEST(SourceContextTest, WritesAndTextsStayInsideTheirField) {
    std::vector<uint8_t> block(kSourceContextSize, 0xAA);
    SourceContext context(block.data());

    context.Set(ctx::docSource, 0x12345);  // u16: only the low two bytes
    EXPECT_EQ(block[238], 0x45);
    EXPECT_EQ(block[239], 0x23);
    EXPECT_EQ(block[240], 0xAA);
    context.Set(ctx::resolutionList, 1, 32);  // past the last element: ignored
    EXPECT_EQ(block[144], 0xAA);

    context.SetText(ctx::profileName, "qa4100r.icm-and-a-long-tail");
    EXPECT_EQ(context.Text(ctx::profileName), "qa4100r.icm-and");
    EXPECT_EQ(block[1615], 0);
    EXPECT_EQ(block[1616], 0xAA);
    // A name without a terminator stops at the field's end.
    EXPECT_EQ(context.Text(ctx::modelName), std::string(8, '\xAA'));
}

}  // namespace
}  // namespace korva
