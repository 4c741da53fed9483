// A marquee that cannot be had for want of memory is reported, and the marquees stay as they were.
#include <gtest/gtest.h>

#include <new>

#include "pane_model_fixture.h"

namespace {

bool g_refuseMarquees = false;

}  // namespace

// The marquee list takes its records with nothrow new; this test program can make that fail.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (g_refuseMarquees) {
        return nullptr;
    }
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

namespace korva {
namespace {

class MarqueeMemoryTest : public test::PaneModelFixture {
  protected:
    void TearDown() override { g_refuseMarquees = false; }
};

TEST_F(MarqueeMemoryTest, ADrawnBandWithoutMemoryIsReportedAndAddsNothing) {
    Drag({10, 10}, {60, 60});
    model.OnSetCursor({200, 300}, true);
    g_refuseMarquees = true;
    model.OnButtonDown({200, 300}, false);  // in empty space: the current marquee makes room for the new one
    model.OnMouseMove({250, 350});
    const PaneActions up = model.OnButtonUp({250, 350}, false);
    EXPECT_EQ(Count<ReportNoMemory>(up), 1);
    EXPECT_EQ(Count<SetControlText>(up), 0);  // no count shown, nothing enabled
    EXPECT_EQ(Count<EnableControl>(up), 0);
    EXPECT_EQ(model.Marquees().Count(), 0);
    EXPECT_TRUE(model.View().currentRect.IsEmpty());
}

TEST_F(MarqueeMemoryTest, DuplicatingAndTurningInsideOutWithoutMemoryKeepTheList) {
    Drag({50, 50}, {120, 150});
    g_refuseMarquees = true;
    EXPECT_EQ(Count<ReportNoMemory>(model.DuplicateMarquee(false, false)), 1);
    EXPECT_EQ(model.Marquees().Count(), 1);

    model.OnSetCursor({120, 100}, true);
    model.OnButtonDown({120, 100}, false);
    model.OnMouseMove({30, 100});
    EXPECT_EQ(Count<ReportNoMemory>(model.OnButtonUp({30, 100}, false)), 1);
    EXPECT_EQ(model.Marquees().Count(), 1);
    EXPECT_EQ(model.Marquees().Current()->view, (Rect{30, 50, 50, 150}));
}

}  // namespace
}  // namespace korva
