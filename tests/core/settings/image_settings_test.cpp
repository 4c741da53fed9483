#include "core/settings/image_settings.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "settings_fixture.h"

namespace korva {
namespace {

class ImageSettingsTest : public test::SettingsTest {
  protected:
    // The values of keys of the image section, separated by blanks.
    std::string Keys(std::initializer_list<const char*> keys = {"IprocValue0", "IprocValue4", "IprocValue13",
                                                                "Magnification"}) {
        std::string values;
        for (const char* key : keys) {
            values += (values.empty() ? "" : " ") + Key("ImageSetting", key);
        }
        return values;
    }
};

TEST_F(ImageSettingsTest, AnEmptySectionReadsTheDefaultsOfThePreviewImage) {
    LoadWith("[Settings]\r\nFocus Position=1.3\r\n");
    PreviewView view;
    LoadImageSettings(settings, view, services, 0x10000 + 340, 440);

    const std::array<int32_t, 14> defaults = {0, 100, 245, 8, 128, 0, 0, 100, 0, 0, 0, 0, 1, 13};
    EXPECT_EQ(settings.iproc, defaults);
    EXPECT_EQ(settings.iprocSaved, defaults);
    // Both area keys default to the view's width.
    EXPECT_EQ(std::tuple(view.viewWidth, view.viewHeight, view.areaWidth, view.areaHeight, settings.outHeight),
              std::tuple(340, 440, 340, 340, 340));
    EXPECT_EQ(view.currentRect, (Rect{0, 0, 340, 440}));
}

TEST_F(ImageSettingsTest, TheActivePageDecidesWhichParametersAreWrittenAndRectanglesNeedAPreview) {
    LoadWith("[ImageSetting]\r\nIprocValue0=5\r\nIprocValue4=100\r\n[Tab Setting]\r\nPhoto PaperSize=971\r\n");
    settings.iproc.fill(9);
    settings.photo.paperSize = 972;
    settings.tabFlag = 1;
    SaveImageSettings(settings, PreviewView{}, false, services);
    EXPECT_EQ(Keys(), "5 9 <missing> 100");
    EXPECT_EQ(Key("Tab Setting", "Photo PaperSize"), "971");
    EXPECT_EQ(Key("ImageSetting", "SelectRect.left"), "<missing>");

    settings.tabFlag = 0;
    settings.iproc.fill(7);
    settings.colorMatchActive = true;
    SaveImageSettings(settings, PreviewView{}, false, services);
    EXPECT_EQ(Keys(), "5 9 <missing> 100");

    settings.colorMatchActive = false;
    SaveImageSettings(settings, PreviewView{}, false, services);
    EXPECT_EQ(Keys(), "7 9 7 100");

    // The exposure values alone leave the threshold and the rest of the section.
    settings.iproc.fill(3);
    settings.scalePercent = 90;
    WriteExposureValues(settings, services);
    EXPECT_EQ(Keys(), "3 9 3 100");
}

TEST_F(ImageSettingsTest, SavedValuesReadBackWithTheirScalesAndLocks) {
    LoadWith("");
    PreviewView view;
    view.viewWidth = 340;
    view.viewHeight = 440;
    view.areaWidth = 850;
    view.areaHeight = 1100;
    view.areaLeft = 20;
    view.currentRect = Rect{1, 2, 3, 4};
    settings.ocr.selectRect = Rect{5, 6, 7, 8};
    settings.photo.paperSize = 972;
    settings.channelGamma = {1.234f, -1.5f, 0.009f};
    settings.channelOffset = {0.5f, -0.25f, 0.0f};
    settings.channelBalance = {0.25f, 0.0f, -0.07f};
    settings.locks = LockFlags{1, 0, 1, 1};
    settings.toneMaps.current = 3;
    SaveImageSettings(settings, view, true, services);
    EXPECT_EQ(Keys({"FGRed", "FGGreen", "GLBlue", "SelectRect.bottom"}), "1234 -1500 -7 4");

    ScanSettings reloaded;
    reloaded.locations = settings.locations;
    PreviewView reloadedView;
    LoadImageSettings(reloaded, reloadedView, services, 340, 440);
    EXPECT_EQ(std::tuple(reloadedView.areaWidth, reloadedView.areaLeft, reloaded.outWidth, reloaded.photo.paperSize),
              std::tuple(850, 20, 850, 972));
    EXPECT_EQ(reloadedView.currentRect, view.currentRect);
    EXPECT_EQ(reloaded.channelGamma, settings.channelGamma);
    EXPECT_EQ(reloaded.channelOffset, settings.channelOffset);
    EXPECT_EQ(std::tuple(reloaded.channelBalance[0], reloaded.locks.image, reloaded.savedLocks.outWidth,
                         reloaded.toneMaps.current),
              std::tuple(0.25f, 1, 1, 3));
}

}  // namespace
}  // namespace korva
