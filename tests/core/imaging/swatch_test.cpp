#include "core/imaging/swatch.h"

#include <gtest/gtest.h>

#include "platform/posix/posix_string_table.h"

namespace korva {
namespace {

TEST(SwatchTest, GreyImageTypesShowTheTruncatedAverageOfTheThreeChannels) {
    EXPECT_EQ(SwatchFill({200, 100, 0}, false), (Rgb{200, 100, 0}));
    EXPECT_EQ(SwatchFill({200, 100, 0}, true), (Rgb{100, 100, 100}));
    EXPECT_EQ(SwatchFill({255, 255, 254}, true), (Rgb{254, 254, 254}));  // 764 / 3
    EXPECT_EQ(SwatchFill({255, 255, 255}, true), (Rgb{255, 255, 255}));
}

TEST(SwatchTest, OnlyTheGreyPixelTypesOfTheCurrentImageTypeCount) {
    PosixStringTable strings;
    ScanSettings settings;
    settings.pixelTypes = LoadPixelTypes(strings);
    for (int32_t type = 0; type < 6; ++type) {
        settings.imageTypes.rows.emplace_back().values[image_type::kPixelType] = type;
    }
    settings.imageTypes.count = 6;
    // Pixel types 3 and 4 are grey; index 6 is no row at all.
    for (int32_t i = 0; i <= 6; ++i) {
        settings.imageTypes.current = i;
        EXPECT_EQ(IsGreyImageType(settings), i == 3 || i == 4) << "pixel type " << i;
    }
}

}  // namespace
}  // namespace korva
