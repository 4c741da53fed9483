#include "core/preview/preview_window_model.h"

#include <algorithm>
#include <string>

#include "core/preview/integer_math.h"
#include "core/preview/pane_ids.h"
#include "core/preview/selection_size.h"

namespace korva {
namespace {

constexpr Point kNoCreatePoint{-100, -100};

Rect Ordered(const Rect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

int32_t ClampToView(int32_t value, int32_t size) {
    return std::max(0, std::min(value, Low32(int64_t{size} - 1)));
}

}  // namespace

void PreviewWindowModel::AnnounceChange(PaneActions& out) const {
    out.push_back(MarkChanged{});
    out.push_back(PostToMainDialog{pane::kMsgMarqueeChanged, 0, 0});
}

void PreviewWindowModel::ShowCount(PaneActions& out) const {
    out.push_back(
        SetControlText{ControlHost::kMarqueeButtons, pane::kIdMarqueeCount, std::to_string(marquees_.Count())});
}

// Zoom and the scan of all marquees need the flatbed, or a device with an option installed.
bool PreviewWindowModel::ZoomAllowed() const {
    return settings_.docSource < 1 || settings_.optionUnit != 0;
}

void PreviewWindowModel::EnableAfterAdding(PaneActions& out) const {
    out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdDuplicate, true});
    out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdDeleteMarquee, true});
    out.push_back(EnableControl{ControlHost::kPhotoPage, pane::kIdLocate, true});
    out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdZoom, ZoomAllowed()});
}

void PreviewWindowModel::EnableScanAll(PaneActions& out) const {
    if (marquees_.Count() >= 2) {
        out.push_back(EnableControl{ControlHost::kMainDialog, pane::kIdScanAll, ZoomAllowed()});
    }
}

void PreviewWindowModel::UpdateShowZoomAgain(PaneActions& out) const {
    const Marquee* current = marquees_.Current();
    if (zoom_.fullPreviewShown && current != nullptr) {
        out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdShowZoomAgain,
                                    current->fullTenths == zoom_.lastZoomMarquee.fullTenths});
    }
}

void PreviewWindowModel::RemoveCurrentMarquee(PaneActions& out) {
    marquees_.RemoveCurrent();
    out.push_back(InvertOutline{view_.currentRect});
    view_.currentRect = {};
    out.push_back(StoreTabSelection{view_.currentRect});
    AnnounceChange(out);
}

PaneActions PreviewWindowModel::OnSetCursor(Point client, bool mainDialogActive) {
    HitZone zone = HitZone::kNone;
    if (mainDialogActive) {
        const HitResult hit = HitTest(view_, placement_, marquees_, state_.interactionOff, client);
        zone = hit.zone;
        state_.pendingSelect = hit.pendingSelect;
    }
    if (state_.repaintPending) {
        zone = HitZone::kNone;
    }
    if (state_.pickerMode != 0) {
        zone = HitZone::kPicker;
    }
    state_.hitZone = zone;
    state_.hovering = zone != HitZone::kNone;
    PaneActions out{ChangeCursor{zone}};
    if (!state_.hovering) {
        out.push_back(EndDrag{});
    }
    out.push_back(SetHover{state_.hovering});
    return out;
}

PaneActions PreviewWindowModel::OnButtonDown(Point client, bool shiftDown) {
    PaneActions out;
    if (!marquees_.IsEmpty() && state_.hitZone == HitZone::kDraw) {
        RemoveCurrentMarquee(out);
    }
    state_.shiftAtDown = shiftDown;
    if (!shiftDown) {
        state_.moveAxis = MoveAxis::kUndecided;
    }
    out.push_back(CloseDropDowns{});
    if (state_.repaintPending || state_.pickerMode != 0 || state_.pendingSelect) {
        return out;
    }
    out.push_back(SelectSizeChoice{pane::kIdSizeCustom});
    if (state_.hitZone == HitZone::kDraw || view_.currentRect.IsEmpty()) {
        if (settings_.imageLocked) {
            return out;
        }
        state_.editingExisting = false;
        state_.createPoint = kNoCreatePoint;
        Point start = client;
        if (settings_.docSource >= 1 && settings_.optionUnit == 0) {
            start = {ClampToView(start.x, view_.viewWidth), ClampToView(start.y, view_.viewHeight)};
        }
        Rect& band = view_.currentRect;
        if (shiftDown) {
            band = {band.left, band.top, start.x, start.y};
            out.push_back(InvertOutline{band});
        } else {
            band = {start.x, start.y, start.x, start.y};
        }
    } else {
        state_.editingExisting = true;
        state_.lastPoint = client;
        state_.rectAtDown = view_.currentRect;
    }
    out.push_back(BeginDrag{});
    state_.dragging = true;
    return out;
}

void PreviewWindowModel::ApplyEditRule(Point client, PaneActions& out) {
    const Point delta{Low32(int64_t{client.x} - state_.lastPoint.x), Low32(int64_t{client.y} - state_.lastPoint.y)};
    const Rect before = view_.currentRect;
    const EditStep step =
        ComputeEditStep(state_.hitZone, before, delta, state_.shiftAtDown, state_.moveAxis, settings_, view_);
    if (!step.refused && AcceptsStep(before, step.rect, view_.viewWidth, view_.viewHeight)) {
        TakeEditStep(before, step, out);
    }
    state_.lastPoint = client;
}

void PreviewWindowModel::TakeEditStep(const Rect& before, const EditStep& step, PaneActions& out) {
    out.push_back(InvertOutline{before});
    view_.currentRect = step.rect;
    out.push_back(InvertOutline{step.rect});
    marquees_.UpdateCurrent(step.rect);
    if (step.scale) {
        settings_.scalePercent = *step.scale;
        out.push_back(SetScale{*step.scale, true});
    }
}

// After each step of an edit the selection size follows; a new size is announced (a move keeps it).
void PreviewWindowModel::AfterEditStep(HitZone zone, PaneActions& out) {
    // The rectangle being edited stays as it is even when it comes within a pixel of the whole view;
    // only the end of the edit decides what it becomes.
    const Rect edited = view_.currentRect;
    const int32_t usable = ComputeSelectionSize(view_, marquees_.Current());
    view_.currentRect = edited;
    if (usable != 0 && zone != HitZone::kMove) {
        AnnounceChange(out);
    }
    UpdateShowZoomAgain(out);
}

PaneActions PreviewWindowModel::OnMouseMove(Point client) {
    PaneActions out;
    if (!state_.dragging) {
        return out;
    }
    if (!state_.editingExisting) {
        const Point point = client == Point{0, 0} ? state_.createPoint : client;
        if (ViewContains(view_, placement_, point)) {
            Rect& band = view_.currentRect;
            out.push_back(InvertOutline{band});
            band.right = point.x;
            band.bottom = point.y;
            out.push_back(InvertOutline{band});
            state_.createPoint = point;
        }
    } else {
        ApplyEditRule(client, out);
    }
    AfterEditStep(state_.hitZone, out);
    return out;
}

void PreviewWindowModel::FinishRubberBand(PaneActions& out) {
    const Rect band = view_.currentRect;
    Rect rect = Ordered(band);
    rect.left = std::max(rect.left, 0);
    rect.top = std::max(rect.top, 0);
    const Rect wholeView{0, 0, Low32(int64_t{view_.viewWidth} - 1), Low32(int64_t{view_.viewHeight} - 1)};
    rect.right = std::min(rect.right, wholeView.right);
    rect.bottom = std::min(rect.bottom, wholeView.bottom);
    view_.currentRect = rect;
    if (ComputeSelectionSize(view_, marquees_.Current()) == 0 || view_.currentRect.IsEmpty()) {
        view_.currentRect = wholeView;
        view_.selWidth = view_.areaWidth;
        view_.selHeight = view_.areaHeight;
        AnnounceChange(out);
    }
    // The band's outline is on the screen; the marquee's takes its place when they differ.
    if (view_.currentRect != Ordered(band)) {
        out.push_back(InvertOutline{band});
        out.push_back(InvertOutline{view_.currentRect});
    }
    if (!marquees_.Add(view_.currentRect, capture_.CaptureSettings())) {
        out.push_back(InvertOutline{view_.currentRect});
        const Marquee* current = marquees_.Current();
        view_.currentRect = current != nullptr ? current->view : Rect{};
        out.push_back(ReportNoMemory{});
        return;
    }
    ShowCount(out);
    EnableAfterAdding(out);
    EnableScanAll(out);
    out.push_back(EnableControl{ControlHost::kMarqueeButtons, pane::kIdShowZoomAgain, false});
}

void PreviewWindowModel::ReaddInvertedMarquee(PaneActions& out) {
    view_.currentRect = Ordered(view_.currentRect);
    const SettingsBlock settings = capture_.CaptureSettings();
    // The turned marquee goes to the head of the list; when there is no room for it, it stays where it is.
    const int32_t turned = marquees_.IndexOfCurrent();
    if (!marquees_.Add(view_.currentRect, settings)) {
        marquees_.UpdateCurrent(view_.currentRect);
        out.push_back(ReportNoMemory{});
        return;
    }
    marquees_.MakeCurrentByIndex(turned + 1);
    marquees_.RemoveCurrent();
    marquees_.MakeCurrentByIndex(0);
}

// A marquee became current: the selection is its rectangle and the dialogs show its settings.
void PreviewWindowModel::ShowSelectedMarquee(PaneActions& out) {
    const Marquee* current = marquees_.Current();
    if (current != nullptr) {
        view_.currentRect = current->view;
    }
    AnnounceChange(out);
    if (current != nullptr) {
        out.push_back(ApplySettings{current->settings});
    }
    UpdateShowZoomAgain(out);
}

PaneActions PreviewWindowModel::OnButtonUp(Point client, bool synthetic) {
    PaneActions out;
    state_.moveAxis = MoveAxis::kUndecided;
    if (state_.pendingSelect) {
        marquees_.Select(capture_.CaptureSettings());
        state_.pendingSelect = false;
        ShowSelectedMarquee(out);
        out.push_back(EndDrag{});
        return out;
    }
    if (state_.pickerMode != 0) {
        out.push_back(EndDrag{});
        out.push_back(PickColour{client, state_.pickerMode});
        state_.pickerMode = 0;
        return out;
    }
    if (state_.dragging && !state_.editingExisting) {
        if (state_.createPoint == kNoCreatePoint) {
            state_.createPoint = client;
        }
        Rect& band = view_.currentRect;
        band.right = state_.createPoint.x;
        band.bottom = state_.createPoint.y;
        if (band.left == band.right || band.top == band.bottom) {
            out.push_back(InvertOutline{band});
            const Marquee* current = marquees_.Current();
            if (current == nullptr) {
                view_.currentRect = {};
                out.push_back(EndDrag{});
                state_.dragging = false;
                return out;
            }
            view_.currentRect = current->view;
        } else {
            FinishRubberBand(out);
        }
    } else if (state_.dragging) {
        const Rect& r = view_.currentRect;
        if (r.left == r.right || r.top == r.bottom) {
            // A corner dragged onto the opposite one leaves nothing to scan: the marquee keeps its shape.
            out.push_back(InvertOutline{r});
            view_.currentRect = state_.rectAtDown;
            marquees_.UpdateCurrent(view_.currentRect);
            out.push_back(InvertOutline{view_.currentRect});
        } else if (r.right < r.left || r.bottom < r.top) {
            ReaddInvertedMarquee(out);
        }
    }
    out.push_back(EndDrag{});
    state_.dragging = false;
    if (synthetic && !marquees_.IsEmpty()) {
        ApplyEditRule(client, out);
    }
    out.push_back(StoreTabSelection{view_.currentRect});
    return out;
}

PaneActions PreviewWindowModel::EraseRubberBand() {
    PaneActions out;
    if (!state_.dragging || state_.editingExisting) {
        return out;
    }
    out.push_back(InvertOutline{view_.currentRect});
    out.push_back(EndDrag{});
    state_.dragging = false;
    state_.createPoint = kNoCreatePoint;
    const Marquee* current = marquees_.Current();
    view_.currentRect = current != nullptr ? current->view : Rect{};
    return out;
}

PaneActions PreviewWindowModel::OnDoubleClick() {
    PaneActions out;
    if (!settings_.imageLocked) {
        out.push_back(SelectSizeChoice{pane::kIdSizeMax});
    }
    if (!marquees_.IsEmpty()) {
        RemoveCurrentMarquee(out);
    }
    return out;
}

}  // namespace korva
