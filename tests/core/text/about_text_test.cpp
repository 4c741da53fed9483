#include "core/text/about_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text/builtin_strings.h"

namespace korva {
namespace {

TEST(AboutTextTest, OnlySmallBoxesGrowToTheMinimumAndAreCentred) {
    const AboutPlacement p = PlaceAboutBox(1024, 768, 300, 150);
    EXPECT_TRUE(p.grow);
    EXPECT_EQ(p.width, 486);
    EXPECT_EQ(p.height, 206);
    EXPECT_EQ(p.x, 269);  // (1024 - 486) / 2
    EXPECT_EQ(p.y, 281);  // (768 - 206) / 2

    // Integer division drops the odd pixel; one side too small is enough to grow.
    const AboutPlacement wide = PlaceAboutBox(1023, 767, 600, 100);
    EXPECT_TRUE(wide.grow);
    EXPECT_EQ(wide.width, 600);
    EXPECT_EQ(wide.height, 206);
    EXPECT_EQ(wide.x, 211);
    EXPECT_EQ(wide.y, 280);

    // A desktop narrower than the box puts it left of the desktop's origin.
    const AboutPlacement narrow = PlaceAboutBox(400, 300, 100, 100);
    EXPECT_EQ(narrow.x, -43);
    EXPECT_EQ(narrow.y, 47);

    // Boxes large enough keep their place.
    EXPECT_FALSE(PlaceAboutBox(1024, 768, 486, 206).grow);
    EXPECT_FALSE(PlaceAboutBox(1024, 768, 500, 300).grow);
}

TEST(AboutTextTest, VersionLineTakesTheVersionFromItsFirstDigitToTheNextBlank) {
    EXPECT_EQ(AboutVersionLine(BuiltinString(4)), "for Veravodozod Ver. 1.10E");
    EXPECT_EQ(AboutVersionLine("v2.5\tbeta"), "for Veravodozod Ver. 2.5");
    EXPECT_EQ(AboutVersionLine("3"), "for Veravodozod Ver. 3");
}

TEST(AboutTextTest, VersionLineFallsBackToZeroWithoutADigitInTheFirstFortyCharacters) {
    EXPECT_EQ(AboutVersionLine("Version"), "for Veravodozod Ver. 0");
    EXPECT_EQ(AboutVersionLine(""), "for Veravodozod Ver. 0");
    EXPECT_EQ(AboutVersionLine(std::string(39, 'x') + "7.1"), "for Veravodozod Ver. 7.1");
    EXPECT_EQ(AboutVersionLine(std::string(40, 'x') + "7.1"), "for Veravodozod Ver. 0");
}

TEST(AboutTextTest, VersionOriginMovesLeftForTallCaptions) {
    const TextOrigin shortCaptions = AboutVersionOrigin(486, 206, 18);
    EXPECT_EQ(shortCaptions.x, 286);
    EXPECT_EQ(shortCaptions.y, 91);
    EXPECT_EQ(AboutVersionOrigin(486, 206, 20).x, 286);
    const TextOrigin tallCaptions = AboutVersionOrigin(486, 206, 22);
    EXPECT_EQ(tallCaptions.x, 241);
    EXPECT_EQ(tallCaptions.y, 91);
    EXPECT_EQ(AboutVersionOrigin(486, 206, 21).x, shortCaptions.x - 45);
}

}  // namespace
}  // namespace korva
