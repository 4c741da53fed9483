// The marquee strip as a whole: which of its buttons a preview, the marquees, the zoom and a running
// scan leave enabled.
#include <gtest/gtest.h>

#include "preview/pane_model_fixture.h"

namespace korva::test {
namespace {

class MarqueeStripTest : public PaneModelFixture {
  protected:
    // 184 whole area, 186 zoom, 789 last zoom, 959 duplicate, 962 delete, 729 scan all.
    std::vector<int> Strip(bool previewExists = true) const {
        return States(model.RefreshStrip(previewExists), {184, 186, 789, 959, 962, 729});
    }
    using S = std::vector<int>;
};

TEST_F(MarqueeStripTest, EachButtonIsEnabledExactlyWhenItsCommandCanAct) {
    EXPECT_EQ(Strip(), (S{0, 0, 0, 0, 0, 0}));
    AddMarquee({10, 10, 100, 100});
    EXPECT_EQ(Strip(false), (S{0, 0, 0, 1, 1, 0}));  // nothing to zoom into without a preview
    EXPECT_EQ(Strip(), (S{0, 1, 0, 1, 1, 0}));
    AddMarquee({20, 20, 60, 60});
    EXPECT_EQ(One<SetControlText>(model.RefreshStrip(true)).text, "2");
    EXPECT_EQ(Strip(), (S{0, 1, 0, 1, 1, 1}));

    // The kept zoom was made from the current marquee: it can be shown again.
    model.Zoom().lastZoomMarquee = *model.Marquees().Current();
    EXPECT_EQ(Strip()[2], 0);  // no zoom was recorded with it
    model.Zoom().lastZoomMarquee.zoom.areaWidth = 100;
    EXPECT_EQ(Strip(), (S{0, 1, 1, 1, 1, 1}));
    model.Marquees().MakeCurrentByIndex(1);
    EXPECT_EQ(Strip()[2], 0);

    // The feeder without an option neither zooms nor scans every marquee.
    model.Settings().docSource = 1;
    model.Settings().optionUnit = 0;
    EXPECT_EQ(Strip(), (S{0, 0, 0, 1, 1, 0}));
    model.Settings().optionUnit = 1;
    EXPECT_EQ(Strip(), (S{0, 1, 0, 1, 1, 1}));

    model.Zoom().fullPreviewShown = false;
    EXPECT_EQ(Strip(), (S{1, 0, 0, 1, 1, 1}));
    model.Settings().busy = true;
    EXPECT_EQ(Strip(), (S{0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace korva::test
