#include "core/settings/settings_capture.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "core/settings/catalogue_build.h"
#include "core/settings/fixed_text.h"
#include "settings_fixture.h"

namespace korva {
namespace {

class SettingsCaptureTest : public test::SettingsTest {
  protected:
    void SetUp() override {
        LoadWith("");
        BuildImageTypes(settings, services);
        BuildDestinations(settings, services);
        BuildToneMaps(settings, services);
        view.viewWidth = 340;
        view.viewHeight = 440;
        view.areaWidth = 850;
        view.areaHeight = 1100;
    }
    PreviewView view;
};

TEST_F(SettingsCaptureTest, ACapturedBlockCarriesTheSettingsTheFieldsAndTheSelectionAndRestoresThem) {
    settings.imageTypes.current = 5;  // line art: one bit per pixel
    settings.iproc = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    settings.locks.image = 1;
    settings.savedLocks.image = 0;
    settings.toneMaps.current = 2;
    view.currentRect = Rect{1, 2, 30, 40};
    const DisplayedSizes sizes{"8.5", "11", "bad", ""};
    const SettingsBlock b =
        CaptureSettings(settings, view, sizes, {850, 1100, 10, 20}, BlockUse::kDialog, services.strings);
    EXPECT_EQ(std::tuple(b.width, b.height, b.outWidth, b.threshold, b.sharpness, b.imageLocked, b.darkDocument,
                         b.selectionTop, FieldText(b.toneMap.name)),
              std::tuple(850u, 1100u, 0u, 5, 13, 1, 1, 20, "Darken"));
    EXPECT_EQ(b.currentRect, view.currentRect);

    // Applied to cleared settings, the block brings back all but the four parameters it does not hold.
    settings.iproc.fill(0);
    settings.imageTypes.current = settings.toneMaps.current = 0;
    ApplySettingsBlock(settings, view, context, b, services.strings, false);
    EXPECT_EQ(settings.iproc, (std::array<int32_t, 14>{1, 2, 3, 4, 5, 6, 7, 0, 9, 10, 0, 0, 13, 0}));
    EXPECT_EQ(std::tuple(settings.imageTypes.current, settings.toneMaps.current, settings.savedLocks.image,
                         settings.darkDocument),
              std::tuple(5, 2, 1, 1));

    // A marquee block takes the saved image lock.
    settings.savedLocks.image = 0;
    settings.toneMaps.current = settings.toneMaps.count;
    settings.imageTypes.current = 1;
    const SettingsBlock marquee = CaptureSettings(settings, view, sizes, {}, BlockUse::kMarquee, services.strings);
    EXPECT_EQ(std::tuple(marquee.imageLocked, marquee.darkDocument, FieldText(marquee.toneMap.name)),
              std::tuple(0, 0, "User Defined"));
}

TEST_F(SettingsCaptureTest, ApplyingABlockLimitsItsIndicesAndPlacesTheSelection) {
    SettingsBlock b;
    b.imageType = 40;
    b.destination = -3;
    b.toneMapIndex = 4;
    b.selectionLeft = 425;
    b.selectionTop = 550;
    b.selectionWidth = 2000;  // runs past the view: clamped
    b.selectionHeight = 275;
    ApplySettingsBlock(settings, view, context, b, services.strings, false);
    EXPECT_EQ(std::tuple(settings.imageTypes.current, settings.destinations.current, settings.toneMaps.current),
              std::tuple(7, 0, 4));
    EXPECT_EQ(view.currentRect, (Rect{170, 220, 339, 330}));
    EXPECT_EQ(context.Get(ctx::dsAreaWidth), 0);

    SetFieldText(b.toneMap.name, "User Defined");
    context.Set(ctx::batchActive, 1);
    ApplySettingsBlock(settings, view, context, b, services.strings, false);
    EXPECT_EQ(settings.toneMaps.current, settings.toneMaps.count);
    EXPECT_EQ(FieldText(settings.toneMapInForce.name), "User Defined");
    EXPECT_EQ(std::tuple(context.Get(ctx::dsAreaWidth), context.Get(ctx::dsAreaTop)), std::tuple(2000, 550));
}

TEST_F(SettingsCaptureTest, ColourMatchingNeedsTheSwitchAColourTypeAndNoNegativeFilm) {
    const struct {
        int32_t windows95Icm, docSource, optionUnit, imageType;
        bool active;
    } cases[] = {
        {1, 0, 1, 1, true},   // the flatbed, the colour type
        {0, 0, 1, 1, false},  // the switch off
        {1, 1, 1, 1, false},  // the film unit's negatives
        {1, 1, 0, 1, true},   // the feeder
        {1, 0, 1, 4, false},  // a grey type
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.windows95Icm << " " << c.docSource << " " << c.optionUnit << " "
                                        << c.imageType);
        settings.windows95Icm = c.windows95Icm;
        context.Set(ctx::optionUnit, c.optionUnit);
        SettingsBlock b;
        b.docSource = c.docSource;
        b.imageType = c.imageType;
        ApplySettingsBlock(settings, view, context, b, services.strings, true);
        EXPECT_EQ(settings.colorMatchActive, c.active);
    }
}

}  // namespace
}  // namespace korva
