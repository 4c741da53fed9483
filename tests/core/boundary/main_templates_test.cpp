#include "core/boundary/main_templates.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace korva {
namespace {

TEST(MainTemplatesTest, ScreenWidthAndCaptionHeightPickTheTemplateSet) {
    // The borders: 1000 still counts as medium, 20-pixel captions as short.
    const std::tuple<int, int, const char*> cases[] = {
        {1024, 18, "SCANQUILLA Phototab Ocrtab"},   {1024, 22, "SCANQUILLA2 Phototab Ocrtab"},
        {800, 18, "SCANQUILLA2 Phototab Ocrtab"},   {800, 22, "SCANQUILLA3 Phototab2 Ocrtab2"},
        {640, 18, "SCANQUILLA3 Phototab2 Ocrtab2"}, {1000, 20, "SCANQUILLA2 Phototab Ocrtab"},
        {1001, 21, "SCANQUILLA2 Phototab Ocrtab"},  {799, 18, "SCANQUILLA3 Phototab2 Ocrtab2"},
    };
    for (const auto& [width, caption, names] : cases) {
        const MainTemplates t = ChooseMainTemplates(width, caption);
        EXPECT_EQ(std::string(t.main) + " " + t.photo + " " + t.ocr, names) << width << " " << caption;
    }
}

}  // namespace
}  // namespace korva
