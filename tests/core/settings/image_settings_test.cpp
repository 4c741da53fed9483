#include "core/settings/image_settings.h"

#include <gtest/gtest.h>

#include "settings_fixture.h"

namespace korva {
namespace {

using ImageSettingsTest = test::SettingsTest;

TEST_F(ImageSettingsTest, AnEmptySectionReadsTheDefaultsOfThePreviewImage) {
    LoadWith("[Settings]\r\nFocus Position=1.3\r\n");
    PreviewView view;
    LoadImageSettings(settings, view, services, 0x10000 + 340, 440);

    EXPECT_EQ(view.viewWidth, 340);
    EXPECT_EQ(view.viewHeight, 440);
    const std::array<int32_t, 14> defaults = {0, 100, 245, 8, 128, 0, 0, 100, 0, 0, 0, 0, 1, 13};
    EXPECT_EQ(settings.iproc, defaults);
    EXPECT_EQ(settings.iprocSaved, defaults);
    // Both area keys default to the view's width.
    EXPECT_EQ(view.areaWidth, 340);
    EXPECT_EQ(view.areaHeight, 340);
    EXPECT_EQ(settings.outHeight, 340);
    EXPECT_EQ(view.currentRect, (Rect{0, 0, 340, 440}));
}

TEST_F(ImageSettingsTest, TheActivePageDecidesWhichParametersAreWrittenAndRectanglesNeedAPreview) {
    LoadWith("[ImageSetting]\r\nIprocValue0=5\r\nIprocValue4=100\r\n[Tab Setting]\r\nPhoto PaperSize=971\r\n");
    settings.iproc.fill(9);
    settings.photo.paperSize = 972;
    settings.tabFlag = 1;
    SaveImageSettings(settings, PreviewView{}, false, services);
    EXPECT_EQ(Key("ImageSetting", "IprocValue0"), "5");
    EXPECT_EQ(Key("ImageSetting", "IprocValue4"), "9");
    EXPECT_EQ(Key("Tab Setting", "Photo PaperSize"), "971");
    EXPECT_EQ(Key("ImageSetting", "SelectRect.left"), "<missing>");
    EXPECT_EQ(Key("ImageSetting", "Magnification"), "100");

    settings.tabFlag = 0;
    settings.iproc.fill(7);
    settings.colorMatchActive = true;
    SaveImageSettings(settings, PreviewView{}, false, services);
    EXPECT_EQ(Key("ImageSetting", "IprocValue0"), "5");

    settings.colorMatchActive = false;
    SaveImageSettings(settings, PreviewView{}, false, services);
    EXPECT_EQ(Key("ImageSetting", "IprocValue0"), "7");
    EXPECT_EQ(Key("ImageSetting", "IprocValue13"), "7");
    EXPECT_EQ(Key("ImageSetting", "IprocValue4"), "9");

    // The exposure values alone leave the threshold and the rest of the section.
    settings.iproc.fill(3);
    settings.scalePercent = 90;
    WriteExposureValues(settings, services);
    EXPECT_EQ(Key("ImageSetting", "IprocValue0"), "3");
    EXPECT_EQ(Key("ImageSetting", "IprocValue13"), "3");
    EXPECT_EQ(Key("ImageSetting", "IprocValue4"), "9");
    EXPECT_EQ(Key("ImageSetting", "Magnification"), "100");
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
    EXPECT_EQ(Key("ImageSetting", "FGRed"), "1234");
    EXPECT_EQ(Key("ImageSetting", "FGGreen"), "-1500");
    EXPECT_EQ(Key("ImageSetting", "GLBlue"), "-7");
    EXPECT_EQ(Key("ImageSetting", "SelectRect.bottom"), "4");

    ScanSettings reloaded;
    reloaded.locations = settings.locations;
    PreviewView reloadedView;
    LoadImageSettings(reloaded, reloadedView, services, 340, 440);
    EXPECT_EQ(reloadedView.areaWidth, 850);
    EXPECT_EQ(reloadedView.areaLeft, 20);
    EXPECT_EQ(reloaded.outWidth, 850);
    EXPECT_EQ(reloadedView.currentRect, view.currentRect);
    EXPECT_EQ(reloaded.photo.paperSize, 972);
    EXPECT_EQ(reloaded.channelGamma, settings.channelGamma);
    EXPECT_EQ(reloaded.channelOffset, settings.channelOffset);
    EXPECT_EQ(reloaded.channelBalance[0], 0.25f);
    EXPECT_EQ(reloaded.locks.image, 1);
    EXPECT_EQ(reloaded.savedLocks.outWidth, 1);
    EXPECT_EQ(reloaded.toneMaps.current, 3);
}

}  // namespace
}  // namespace korva
