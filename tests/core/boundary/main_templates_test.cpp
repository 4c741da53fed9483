#include "core/boundary/main_templates.h"

#include <gtest/gtest.h>

#include <string>

namespace korva {
namespace {

std::string Names(int width, int caption) {
    const MainTemplates t = ChooseMainTemplates(width, caption);
    return std::string(t.main) + " " + t.photo + " " + t.ocr;
}

TEST(MainTemplatesTest, ScreenWidthAndCaptionHeightPickTheTemplateSet) {
    EXPECT_EQ(Names(1024, 18), "SCANQUILLA Phototab Ocrtab");
    EXPECT_EQ(Names(1024, 22), "SCANQUILLA2 Phototab Ocrtab");
    EXPECT_EQ(Names(800, 18), "SCANQUILLA2 Phototab Ocrtab");
    EXPECT_EQ(Names(800, 22), "SCANQUILLA3 Phototab2 Ocrtab2");
    EXPECT_EQ(Names(640, 18), "SCANQUILLA3 Phototab2 Ocrtab2");
    EXPECT_EQ(Names(640, 22), "SCANQUILLA3 Phototab2 Ocrtab2");
    // The borders: 1000 still counts as medium, 20-pixel captions as short.
    EXPECT_EQ(Names(1000, 20), "SCANQUILLA2 Phototab Ocrtab");
    EXPECT_EQ(Names(1001, 21), "SCANQUILLA2 Phototab Ocrtab");
    EXPECT_EQ(Names(799, 18), "SCANQUILLA3 Phototab2 Ocrtab2");
}

}  // namespace
}  // namespace korva
