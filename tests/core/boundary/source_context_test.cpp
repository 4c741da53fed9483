#include "core/boundary/source_context.h"

#include <gtest/gtest.h>

#include <vector>

namespace korva {
namespace {

std::vector<uint8_t> Slice(const std::vector<uint8_t>& block, size_t offset, size_t count) {
    return {block.begin() + static_cast<ptrdiff_t>(offset), block.begin() + static_cast<ptrdiff_t>(offset + count)};
}

TEST(SourceContextTest, FieldsSitAtTheirOffsetsWithTheirWidthsAndSignedness) {
    std::vector<uint8_t> block(kSourceContextSize, 0);
    SourceContext context(block.data());

    context.Set(ctx::dsAreaWidth, 850);
    EXPECT_EQ(Slice(block, 178, 3), (std::vector<uint8_t>{0x52, 0x03, 0}));
    context.Set(ctx::threshold, 173);
    EXPECT_EQ(Slice(block, 1588, 2), (std::vector<uint8_t>{173, 0}));
    context.Set(ctx::resolutionList, 600, 4);
    EXPECT_EQ(Slice(block, 88, 2), (std::vector<uint8_t>{0x58, 0x02}));
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
    EXPECT_EQ(Slice(block, 238, 3), (std::vector<uint8_t>{0x45, 0x23, 0xAA}));
    context.Set(ctx::resolutionList, 1, 32);  // past the last element: ignored
    EXPECT_EQ(block[144], 0xAA);

    context.SetText(ctx::profileName, "qa4100r.icm-and-a-long-tail");
    EXPECT_EQ(context.Text(ctx::profileName), "qa4100r.icm-and");
    EXPECT_EQ(Slice(block, 1615, 2), (std::vector<uint8_t>{0, 0xAA}));
    // A name without a terminator stops at the field's end.
    EXPECT_EQ(context.Text(ctx::modelName), std::string(8, '\xAA'));
}

}  // namespace
}  // namespace korva
