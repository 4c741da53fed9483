// Geometries and event sequences with arbitrary values: the preview code must neither crash nor
// overflow (the sanitizer build checks the arithmetic) and keeps its invariants.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>

#include "core/preview/focus_area.h"
#include "core/preview/hit_test.h"
#include "core/preview/locate.h"
#include "core/preview/packed_dib.h"
#include "core/preview/selection_size.h"
#include "core/preview/zoom_view.h"
#include "pane_model_fixture.h"

namespace korva {
namespace {

// Mostly small values around the view, sometimes the extremes of 32 bits.
int32_t AnyValue(std::mt19937& random) {
    switch (random() % 4) {
        case 0:
            return static_cast<int32_t>(random());
        case 1:
            return random() % 2 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
        default:
            return static_cast<int32_t>(random() % 700) - 200;
    }
}

Rect AnyRect(std::mt19937& random) {
    return {AnyValue(random), AnyValue(random), AnyValue(random), AnyValue(random)};
}

TEST(PreviewRobustnessTest, ArbitraryGeometryNeverDividesByZeroOrOverflows) {
    const PackedDib picture = MakePackedDib24(40, 30);
    const DarkMask mask = MakeDarkMask(picture, false);
    for (uint32_t seed = 1; seed <= 500; ++seed) {
        std::mt19937 random(seed);
        PreviewView view;
        for (int32_t* field : {&view.areaLeft, &view.areaTop, &view.areaWidth, &view.areaHeight, &view.viewWidth,
                               &view.viewHeight, &view.bedWidth, &view.bedHeight, &view.fullWidth, &view.fullHeight}) {
            *field = AnyValue(random);
        }
        view.currentRect = AnyRect(random);
        MarqueeList list;
        list.SetGeometry(view);
        list.Add(AnyRect(random), SettingsBlock{});
        list.EnterZoom(AnyRect(random));
        list.Add(AnyRect(random), SettingsBlock{});
        list.LeaveZoom();
        PaneSettings settings;
        settings.resolutions = {static_cast<uint16_t>(random()), static_cast<uint16_t>(random())};
        settings.scanResolution = AnyValue(random);
        settings.scalePercent = AnyValue(random);
        ComputeZoomView(view, *list.Current(), settings);
        FocusPoint point{AnyValue(random), AnyValue(random), AnyValue(random), AnyValue(random), AnyValue(random)};
        if (const auto area = ComputeFocusArea(view, list.Current(), point, settings, true)) {
            ComputeFocusPixels(*area, view.bedWidth, false);
        }
        LocatePicture(mask, view.currentRect, view.viewWidth, view.viewHeight);
        const PaneWindowPlacement placement{AnyRect(random), {AnyValue(random), AnyValue(random)}};
        HitTest(view, placement, list, false, {AnyValue(random), AnyValue(random)});
        // Only a selection without width or height is unusable.
        const int32_t usable = ComputeSelectionSize(view, list.Current());
        EXPECT_TRUE(usable == 1 || view.selWidth == 0 || view.selHeight == 0) << seed;
    }
}

using PreviewEventsRobustnessTest = test::PaneModelFixture;

TEST_F(PreviewEventsRobustnessTest, ArbitraryEventSequencesLeaveNoDragBehind) {
    PackedDib picture = MakePackedDib24(300, 388);
    std::mt19937 random;
    Point p;
    PaneSettings& s = model.Settings();
    const std::function<void()> events[] = {
        [&] { model.OnSetCursor(p, true); },
        [&] { model.OnButtonDown(p, random() % 2 == 0); },
        [&] { model.OnMouseMove(p); },
        [&] {
            model.OnButtonUp(p, random() % 4 == 0);
            EXPECT_FALSE(model.Interaction().dragging);
        },
        [&] { model.OnDoubleClick(); },
        [&] { model.OnApplySizeEdit(static_cast<uint32_t>(random())); },
        [&] { model.DeleteMarquee(); },
        [&] { model.DuplicateMarquee(random() % 2 == 0, random() % 2 == 0); },
        [&] {
            s.outWidthLocked = random() % 2 == 0;
            s.outHeightLocked = random() % 2 == 0;
            s.scaleLocked = random() % 3 == 0;
            s.imageLocked = s.outWidthLocked && s.outHeightLocked;
            s.outWidth = static_cast<uint16_t>(random());
            s.outHeight = static_cast<uint16_t>(random());
        },
        [&] { model.ApplyTargetSizeLock(true); },
        [&] { model.LocatePicture(picture); },
    };
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        random.seed(seed);
        for (int step = 0; step < 200; ++step) {
            p = {AnyValue(random), AnyValue(random)};
            const uint32_t pick = random() % 12;  // mouse moves come twice as often
            events[pick == 11 ? 2 : pick]();
            // The current marquee, if any, is still one of the list's.
            const MarqueeList& marquees = model.Marquees();
            ASSERT_TRUE(marquees.Current() == nullptr || marquees.IndexOfCurrent() < marquees.Count())
                << "seed " << seed << " step " << step;
        }
    }
}

}  // namespace
}  // namespace korva
