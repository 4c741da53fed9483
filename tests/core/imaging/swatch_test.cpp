#include "core/imaging/swatch.h"

#include <gtest/gtest.h>

#include "platform/posix/posix_string_table.h"

namespace korva {
namespace {

TEST(SwatchTest, GreyImageTypesShowTheAverageOfTheThreeChannels) {
    EXPECT_EQ(SwatchFill({200, 100, 0}, false), (Rgb{200, 100, 0}));
    EXPECT_EQ(SwatchFill({200, 100, 0}, true), (Rgb{100, 100, 100}));
    EXPECT_EQ(SwatchFill({255, 255, 254}, true), (Rgb{254, 254, 254}));  // 764 / 3, truncated
    EXPECT_EQ(SwatchFill({255, 255, 255}, true), (Rgb{255, 255, 255}));
}

TEST(SwatchTest, OnlyTheGreyPixelTypesOfTheCurrentImageTypeCount) {
    PosixStringTable strings;
    ScanSettings settings;
    settings.pixelTypes = LoadPixelTypes(strings);
    const int32_t pixelTypes[] = {0, 1, 2, 3, 4, 5};
    for (int32_t type : pixelTypes) {
        CatalogueRow row;
        row.values[image_type::kPixelType] = type;
        settings.imageTypes.rows.push_back(row);
    }
    settings.imageTypes.count = 6;

    const bool expected[] = {false, false, false, true, true, false};
    for (int32_t i = 0; i < 6; ++i) {
        settings.imageTypes.current = i;
        EXPECT_EQ(IsGreyImageType(settings), expected[i]) << "pixel type " << i;
    }
    settings.imageTypes.current = 6;  // no current row
    EXPECT_FALSE(IsGreyImageType(settings));
}

}  // namespace
}  // namespace korva
