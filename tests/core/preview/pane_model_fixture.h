// A preview window model on a full preview of 300 x 388 pixels showing a bed of 850 x 1100 hundredths,
// with a settings capture that numbers its blocks, and helpers to look into the actions.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <variant>
#include <vector>

#include "core/preview/pane_ids.h"
#include "core/preview/preview_window_model.h"

namespace korva::test {

// Each capture gives a block whose image type counts the captures: 1, 2, 3, ...
class NumberingCapture final : public SettingsCapture {
  public:
    SettingsBlock CaptureSettings() override {
        SettingsBlock block;
        block.imageType = ++captures;
        return block;
    }
    int32_t captures = 0;
};

class PaneModelFixture : public ::testing::Test {
  protected:
    PaneModelFixture() : model(capture) {
        PreviewView& v = model.View();
        v.bedWidth = v.areaWidth = v.selWidth = 850;
        v.bedHeight = v.areaHeight = v.selHeight = 1100;
        v.viewWidth = v.fullWidth = 300;
        v.viewHeight = v.fullHeight = 388;
        model.Marquees().SetGeometry(v);
        model.SetPlacement({{500, 100, 800, 488}, {500, 100}});
        model.Settings().scanResolution = 300;
        model.Settings().resolutions = {50, 100, 300, 600};
        model.Zoom().fullPreviewShown = true;
    }

    // Adds a marquee as drawing would, without the mouse.
    void AddMarquee(const Rect& r) {
        model.Marquees().Add(r, capture.CaptureSettings());
        model.View().currentRect = r;
    }

    // Draws a marquee from one point to another.
    PaneActions Drag(Point from, Point to) {
        model.OnSetCursor(from, true);
        model.OnButtonDown(from, false);
        model.OnMouseMove(to);
        return model.OnButtonUp(to, false);
    }

    template <class T>
    static std::vector<T> All(const PaneActions& actions) {
        std::vector<T> found;
        for (const PaneAction& a : actions) {
            if (const T* t = std::get_if<T>(&a)) {
                found.push_back(*t);
            }
        }
        return found;
    }
    template <class T>
    static int Count(const PaneActions& actions) {
        return static_cast<int>(All<T>(actions).size());
    }
    // The one action of that kind; fails the test when there is not exactly one.
    template <class T>
    static T One(const PaneActions& actions) {
        const std::vector<T> found = All<T>(actions);
        EXPECT_EQ(found.size(), 1u);
        return found.empty() ? T{} : found.front();
    }
    static bool Posted(const PaneActions& actions, uint32_t message) {
        return std::ranges::any_of(All<PostToMainDialog>(actions),
                                   [&](const PostToMainDialog& p) { return p.message == message; });
    }
    // The last enable state each control is given: 1 enabled, 0 disabled, -1 untouched.
    static std::vector<int> States(const PaneActions& actions, std::initializer_list<int32_t> ids) {
        std::vector<int> states;
        for (const int32_t id : ids) {
            int state = -1;
            for (const EnableControl& e : All<EnableControl>(actions)) {
                state = e.id == id ? int{e.enable} : state;
            }
            states.push_back(state);
        }
        return states;
    }

    NumberingCapture capture;
    PreviewWindowModel model;
};

}  // namespace korva::test
