// The preview window by keyboard: the keys go through the same operations as the mouse, so the locks,
// the view's bounds, the settings of a marquee made current and the messages to the main dialog are
// those of a drag or a click.
#include "core/preview/duplicate_placement.h"
#include "core/preview/hit_test.h"
#include "core/preview/integer_math.h"
#include "core/preview/pane_ids.h"
#include "core/preview/preview_window_model.h"
#include "core/preview/view_factors.h"

namespace korva {
namespace {

constexpr int32_t kLargeStep = 10;  // view pixels per arrow with Ctrl held

// Half the view's width and height, in its middle.
Rect CentredHalfView(const PreviewView& view) {
    const int32_t width = view.viewWidth / 2;
    const int32_t height = view.viewHeight / 2;
    const int32_t left = (view.viewWidth - width) / 2;
    const int32_t top = (view.viewHeight - height) / 2;
    return {left, top, left + width, top + height};
}

// A selection within a pixel of the whole view selects nothing in particular: the whole area is scanned.
bool SpansTheView(const Rect& r, const PreviewView& view) {
    const int64_t width = Abs64(int64_t{r.right} - r.left);
    const int64_t height = Abs64(int64_t{r.bottom} - r.top);
    return width >= int64_t{view.viewWidth} - 2 && height >= int64_t{view.viewHeight} - 2;
}

Point ArrowDelta(uint32_t arrow, int32_t step) {
    switch (arrow) {
        case pane::kVirtualKeyLeft:
            return {-step, 0};
        case pane::kVirtualKeyRight:
            return {step, 0};
        case pane::kVirtualKeyUp:
            return {0, -step};
        default:
            return {0, step};
    }
}

}  // namespace

// The keys edit marquees when the mouse could: a geometry is shown, no drag or picker is under way,
// interaction is on and no scan runs.
bool PreviewWindowModel::KeysEditMarquees() const {
    const WindowBox box = WindowBoxFor(view_);
    return !settings_.busy && !state_.dragging && !state_.interactionOff && state_.pickerMode == 0 &&
           view_.viewWidth > 0 && view_.viewHeight > 0 && box.width > 0 && box.height > 0 &&
           IsWithinGeometryLimit(view_);
}

PaneActions PreviewWindowModel::OnKeyDown(uint32_t virtualKey, KeyModifiers modifiers) {
    PaneActions out;
    switch (virtualKey) {
        case pane::kVirtualKeyDelete:
            if (!settings_.busy && !marquees_.IsEmpty()) {
                out.push_back(SendCommandToMainDialog{pane::kIdDeleteMarquee});
            }
            break;
        case pane::kVirtualKeyTab:
            CycleMarquees(modifiers.shift, out);
            break;
        case pane::kVirtualKeyInsert:
            if (KeysEditMarquees()) {
                InsertMarquee(out);
            }
            break;
        case pane::kVirtualKeyD:
            if (modifiers.ctrl && KeysEditMarquees() && marquees_.Current() != nullptr) {
                out.push_back(SendCommandToMainDialog{pane::kIdDuplicate});
            }
            break;
        case pane::kVirtualKeyLeft:
        case pane::kVirtualKeyUp:
        case pane::kVirtualKeyRight:
        case pane::kVirtualKeyDown:
            if (KeysEditMarquees()) {
                NudgeMarquee(virtualKey, modifiers, out);
            }
            break;
        default:
            break;
    }
    return out;
}

// As a rubber band drawn with the mouse, from a selection that is not a marquee yet (a typed size), else
// from the middle half of the view.
void PreviewWindowModel::InsertMarquee(PaneActions& out) {
    if (settings_.imageLocked) {
        return;
    }
    const Marquee* current = marquees_.Current();
    const Rect& selection = view_.currentRect;
    const bool newSelection =
        !selection.IsEmpty() && !SpansTheView(selection, view_) && (current == nullptr || current->view != selection);
    out.push_back(SelectSizeChoice{pane::kIdSizeCustom});
    if (!newSelection) {
        view_.currentRect = FreePlace(CentredHalfView(view_));
        out.push_back(InvertOutline{view_.currentRect});
    }
    AfterEditStep(HitZone::kDraw, out);
    FinishRubberBand(out);
    out.push_back(StoreTabSelection{view_.currentRect});
}

// A marquee on top of another would hide both outlines: the new one steps aside as a duplicate does.
Rect PreviewWindowModel::FreePlace(Rect rect) const {
    const WindowBox box = WindowBoxFor(view_);
    const auto taken = [&](const Rect& r) {
        for (int32_t i = 0; i < marquees_.Count(); ++i) {
            if (marquees_.At(static_cast<size_t>(i)).view == r) {
                return true;
            }
        }
        return false;
    };
    for (int32_t step = 0; step < marquees_.Count() && taken(rect); ++step) {
        rect = PlaceDuplicate(rect, DuplicateOffset(marquees_), false, false, box.width, box.height);
    }
    return rect;
}

// One step of a drag of the current marquee: from inside it (a move), or by its right or bottom edge.
void PreviewWindowModel::NudgeMarquee(uint32_t arrow, KeyModifiers modifiers, PaneActions& out) {
    if (marquees_.Current() == nullptr) {
        return;
    }
    const Point delta = ArrowDelta(arrow, modifiers.ctrl ? kLargeStep : 1);
    const HitZone zone = !modifiers.shift ? HitZone::kMove : delta.x != 0 ? HitZone::kRight : HitZone::kBottom;
    const Rect before = view_.currentRect;
    MoveAxis axis = MoveAxis::kUndecided;
    const EditStep step = ComputeEditStep(zone, before, delta, false, axis, settings_, view_);
    const Rect& r = step.rect;
    // A drag may turn the marquee inside out and mend it at the button-up; a key step never does.
    if (step.refused || r == before || r.right <= r.left || r.bottom <= r.top ||
        !AcceptsStep(before, r, view_.viewWidth, view_.viewHeight)) {
        return;
    }
    TakeEditStep(before, step, out);
    AfterEditStep(zone, out);
    out.push_back(StoreTabSelection{view_.currentRect});
}

// As a click on the border of the marquee after (before) the current one in the list.
void PreviewWindowModel::CycleMarquees(bool backwards, PaneActions& out) {
    const int32_t next = marquees_.IndexOfCurrent() + (backwards ? -1 : 1);
    if (!KeysEditMarquees() || marquees_.Current() == nullptr || next < 0 || next >= marquees_.Count()) {
        out.push_back(LeavePane{backwards});
        return;
    }
    marquees_.SelectAt(next, capture_.CaptureSettings());
    ShowSelectedMarquee(out);
}

}  // namespace korva
