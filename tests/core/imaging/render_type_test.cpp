#include "core/imaging/render_type.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

TEST(RenderTypeTest, TheCurrentImageTypeGivesClassDepthHalftoneAndDropout) {
    ScanSettings settings;
    settings.pixelTypes[5] = PixelTypeInfo{"Black & White", ColourClass::kBlackWhite, 1};
    settings.pixelTypes[4] = PixelTypeInfo{"256 Gray", ColourClass::kGrey, 8};
    settings.imageTypes.rows.resize(3);
    settings.imageTypes.count = 3;
    settings.imageTypes.rows[0].values[0] = 5;
    settings.imageTypes.rows[0].values[1] = 6;
    settings.imageTypes.rows[0].values[2] = 2;
    settings.imageTypes.rows[1].values[0] = 4;
    settings.imageTypes.rows[1].values[1] = 8;   // no such halftone
    settings.imageTypes.rows[1].values[2] = -1;  // no such drop-out colour
    settings.imageTypes.rows[2].values[0] = 6;   // no such pixel type

    const RenderType lineArt = RenderTypeOf(settings);
    EXPECT_TRUE(lineArt.IsLineArt());
    EXPECT_EQ(lineArt.colourClass, ColourClass::kBlackWhite);
    EXPECT_EQ(lineArt.halftoneMode, 6);
    EXPECT_EQ(lineArt.dropout, DropoutColour::kGreen);

    settings.imageTypes.current = 1;
    const RenderType grey = RenderTypeOf(settings);
    EXPECT_EQ(grey.colourClass, ColourClass::kGrey);
    EXPECT_EQ(grey.bitsPerPixel, 8);
    EXPECT_EQ(grey.halftoneMode, kHalftoneNone);
    EXPECT_EQ(grey.dropout, DropoutColour::kNone);

    settings.imageTypes.current = 2;
    EXPECT_EQ(RenderTypeOf(settings).bitsPerPixel, 24);
    settings.imageTypes.current = 3;
    EXPECT_EQ(RenderTypeOf(settings).colourClass, ColourClass::kColour);
}

}  // namespace
}  // namespace korva
