#include "core/text/about_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace korva {
namespace {

TEST(AboutTextTest, OnlySmallBoxesGrowToTheMinimumAndAreCentred) {
    const struct {
        int32_t desktopWidth, desktopHeight, boxWidth, boxHeight;
        bool grow;
        int32_t width, height, x, y;
    } cases[] = {
        // Integer division drops the odd pixel; one side too small is enough to grow.
        {1023, 767, 600, 100, true, 600, 206, 211, 280},
        // A desktop narrower than the box puts it left of the desktop's origin.
        {400, 300, 100, 100, true, 486, 206, -43, 47},
        // Boxes large enough keep their size: (1024 - 486) / 2, (768 - 206) / 2.
        {1024, 768, 486, 206, false, 486, 206, 269, 281},
        {1024, 768, 500, 300, false, 500, 300, 262, 234},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.boxWidth << " x " << c.boxHeight << " on " << c.desktopWidth);
        const AboutPlacement p = PlaceAboutBox(c.desktopWidth, c.desktopHeight, c.boxWidth, c.boxHeight);
        EXPECT_EQ(std::tuple(p.grow, p.width, p.height, p.x, p.y), std::tuple(c.grow, c.width, c.height, c.x, c.y));
    }
}

TEST(AboutTextTest, VersionLineTakesTheVersionFromItsFirstDigitToTheNextBlankOrFallsBackToZero) {
    const std::pair<std::string, const char*> cases[] = {
        {"v2.5\tbeta", "2.5"},
        // Without a digit in the first forty characters: 0.
        {"Version", "0"},
        {"", "0"},
        {std::string(39, 'x') + "7.1", "7.1"},
        {std::string(40, 'x') + "7.1", "0"},
    };
    for (const auto& [text, version] : cases) {
        EXPECT_EQ(AboutVersionLine(text), std::string("for Veravodozod Ver. ") + version) << text;
    }
}

TEST(AboutTextTest, VersionOriginMovesLeftForCaptionsTallerThanTwentyPixels) {
    for (const auto& [captionHeight, x] : {std::pair{20, 286}, std::pair{21, 241}}) {
        const TextOrigin origin = AboutVersionOrigin(486, 206, captionHeight);
        EXPECT_EQ(std::tuple(origin.x, origin.y), std::tuple(x, 91)) << captionHeight;
    }
}

}  // namespace
}  // namespace korva
