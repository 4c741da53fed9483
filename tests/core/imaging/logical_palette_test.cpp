#include "core/imaging/logical_palette.h"

#include <gtest/gtest.h>

#include "core/imaging/rendered_image.h"
#include "core/preview/packed_dib.h"

namespace korva {
namespace {

SystemPalette NumberedSystemPalette() {
    SystemPalette system{};
    for (size_t i = 0; i < system.size(); ++i) {
        system[i] = PaletteEntry{static_cast<uint8_t>(i), 1, 2, 3};
    }
    return system;
}

std::vector<uint8_t> HeaderWithColours(uint16_t bits, uint32_t colours) {
    RenderedImage image;
    image.width = 4;
    image.height = 2;
    image.bitsPerPixel = bits;
    image.rowBytes = PaddedRowBytes(4, bits);
    for (uint32_t i = 0; i < colours; ++i) {
        image.colours.push_back(DibColour{static_cast<uint8_t>(i), 10, 20, 1});
    }
    return InfoHeaderWithColours(image);
}

TEST(LogicalPaletteTest, PaletteDisplaysKeepTheStaticColoursAroundTheHeaderColours) {
    const SystemPalette system = NumberedSystemPalette();
    const auto palette = MakeLogicalPalette(HeaderWithColours(8, 216), true, system);
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->version, 0x300);
    ASSERT_EQ(palette->entries.size(), 256u);
    EXPECT_EQ(palette->entries[19], system[19]);
    EXPECT_EQ(palette->entries[20], (PaletteEntry{20, 10, 0, 0}));  // red, green, blue from the header
    EXPECT_EQ(palette->entries[235], (PaletteEntry{20, 10, 215, 0}));
    EXPECT_EQ(palette->entries[236], system[236]);
    EXPECT_EQ(palette->entries[255], system[255]);

    // 256 header colours leave room for 236 of them.
    const auto full = MakeLogicalPalette(HeaderWithColours(8, 256), true, system);
    ASSERT_EQ(full->entries.size(), 256u);
    EXPECT_EQ(full->entries[255], (PaletteEntry{20, 10, 235, 0}));

    // Below 17 colours, or on a true-colour display, only the header colours.
    EXPECT_EQ(MakeLogicalPalette(HeaderWithColours(4, 16), true, system)->entries.size(), 16u);
    const auto plain = MakeLogicalPalette(HeaderWithColours(8, 216), false, system);
    ASSERT_EQ(plain->entries.size(), 216u);
    EXPECT_EQ(plain->entries[0], (PaletteEntry{20, 10, 0, 0}));
}

TEST(LogicalPaletteTest, ColourCountFallsBackOnTheDepth) {
    const SystemPalette system = NumberedSystemPalette();
    // Colours used 0 at 8 bits reads 256 table entries.
    std::vector<uint8_t> header = HeaderWithColours(8, 256);
    WriteU32(header, dib::kClrUsed, 0);
    EXPECT_EQ(MakeLogicalPalette(header, false, system)->entries.size(), 256u);

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
