#include "core/imaging/logical_palette.h"

#include <gtest/gtest.h>

#include "core/imaging/rendered_image.h"
#include "core/preview/packed_dib.h"

namespace korva {
namespace {

std::vector<uint8_t> HeaderWithColours(uint16_t bits, uint32_t colours) {
    RenderedImage image{.pixels = {},
                        .width = 4,
                        .height = 2,
                        .bitsPerPixel = bits,
                        .rowBytes = PaddedRowBytes(4, bits),
                        .colours = {}};
    for (uint32_t i = 0; i < colours; ++i) {
        image.colours.push_back(DibColour{static_cast<uint8_t>(i), 10, 20, 1});
    }
    return InfoHeaderWithColours(image);
}

TEST(LogicalPaletteTest, PaletteDisplaysKeepTheStaticColoursAroundTheHeaderColours) {
    SystemPalette system{};
    for (size_t i = 0; i < system.size(); ++i) {
        system[i] = PaletteEntry{static_cast<uint8_t>(i), 1, 2, 3};
    }
    const auto palette = MakeLogicalPalette(HeaderWithColours(8, 216), true, system);
    EXPECT_EQ(palette->version, 0x300);
    ASSERT_EQ(palette->entries.size(), 256u);
    EXPECT_EQ(palette->entries[19], system[19]);
    EXPECT_EQ(palette->entries[20], (PaletteEntry{20, 10, 0, 0}));  // red, green, blue, no flags
    EXPECT_EQ(palette->entries[236], system[236]);
    // 256 header colours leave room for 236 of them.
    EXPECT_EQ(MakeLogicalPalette(HeaderWithColours(8, 256), true, system)->entries[255],
              (PaletteEntry{20, 10, 235, 0}));
    // Below 17 colours, or on a true-colour display, the header colours alone.
    EXPECT_EQ(MakeLogicalPalette(HeaderWithColours(4, 16), true, system)->entries.size(), 16u);
    EXPECT_EQ(MakeLogicalPalette(HeaderWithColours(8, 216), false, system)->entries[0], (PaletteEntry{20, 10, 0, 0}));

    // Without colours: 256 table entries at 8 bits, the colour cube at 24, nothing at 32.
    std::vector<uint8_t> eight = HeaderWithColours(8, 256);
    WriteU32(eight, dib::kClrUsed, 0);
    EXPECT_EQ(MakeLogicalPalette(eight, false, system)->entries.size(), 256u);
    const auto cube = MakeLogicalPalette(HeaderWithColours(24, 0), true, system);
    ASSERT_EQ(cube->entries.size(), 256u);
    EXPECT_EQ(cube->entries[9], (PaletteEntry{32, 32, 0, 0}));
    EXPECT_EQ(cube->entries[255], (PaletteEntry{224, 224, 192, 0}));
    EXPECT_TRUE(MakeLogicalPalette(HeaderWithColours(32, 0), false, system)->entries.empty());

    // Not a 40-byte header, or a colour table cut short: none.
    std::vector<uint8_t> longer = HeaderWithColours(8, 16);
    WriteU32(longer, dib::kSize, 108);
    EXPECT_FALSE(MakeLogicalPalette(longer, false, system));
    const std::vector<uint8_t> cut = HeaderWithColours(8, 16);
    EXPECT_FALSE(MakeLogicalPalette(std::span(cut).first(cut.size() - 1), false, system));
}

}  // namespace
}  // namespace korva
