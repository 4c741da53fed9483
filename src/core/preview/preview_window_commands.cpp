// The commands of the main dialog and its pages that act on the preview window's marquees, the size
// edits it receives, and what a paint draws.
#include <algorithm>

#include "core/preview/duplicate_placement.h"
#include "core/preview/integer_math.h"
#include "core/preview/locate.h"
#include "core/preview/locked_size_edit.h"
#include "core/preview/pane_ids.h"
#include "core/preview/preview_window_model.h"
#include "core/preview/selection_size.h"

namespace korva {

PaneActions PreviewWindowModel::OnApplySizeEdit(uint32_t argument) {
    PaneActions out;
    Rect& r = view_.currentRect;
    if (!r.IsEmpty()) {
        out.push_back(InvertOutline{r});
    }
    const int64_t size = std::max<uint32_t>(argument & 0xFFFF, 1);
    const auto id = static_cast<int32_t>(argument >> 16);
    const bool widthEdit = id == pane::kIdOutputWidth || id == pane::kIdWidth;
    bool clipped = false;
    if (widthEdit) {
        if (r.left + size < int64_t{view_.viewWidth} - 1) {
            r.right = static_cast<int32_t>(r.left + size);
        } else {
            r.right = Low32(int64_t{view_.viewWidth} - 2);
            out.push_back(MarkChanged{});
            clipped = true;
        }
        if (r.top == 0 && r.bottom == 0) {
            r.bottom = Low32(int64_t{view_.viewHeight} - 2);
        }
    } else {
        if (r.top + size < int64_t{view_.viewHeight} - 1) {
            r.bottom = static_cast<int32_t>(r.top + size);
        } else {
            r.bottom = Low32(int64_t{view_.viewHeight} - 2);
            out.push_back(MarkChanged{});
            clipped = true;
        }
        if (r.left == 0 && r.right == 0) {
            r.right = Low32(int64_t{view_.viewWidth} - 2);
        }
    }
    if (settings_.imageLocked) {
        const LockedSizeEdit edit = ApplyLockedSizeEdit(r, widthEdit, settings_, view_);
        clipped = clipped || edit.changed;
        r = edit.rect;
        settings_.scalePercent = edit.scale;
        out.push_back(SetScale{edit.scale, true});
    }
    marquees_.UpdateCurrent(r);
    if (ComputeSelectionSize(view_, marquees_.Current()) != 0) {
        out.push_back(PostToMainDialog{pane::kMsgSizeEditDone, clipped ? 1u : 0u, argument});
    }
    out.push_back(InvertOutline{view_.currentRect});
    return out;
}

PaneActions PreviewWindowModel::ApplyTargetSizeLock(bool windowExists) {
    PaneActions out;
    const LockedSizeEdit edit = FitLockedTargetSize(view_.currentRect, settings_, view_);
    settings_.scalePercent = edit.scale;
    out.push_back(SetScale{edit.scale, true});
    if (windowExists) {
        if (!view_.currentRect.IsEmpty()) {
            out.push_back(InvertOutline{view_.currentRect});
        }
        view_.currentRect = edit.rect;
        out.push_back(InvertOutline{edit.rect});
        marquees_.UpdateCurrent(edit.rect);
        ComputeSelectionSize(view_, marquees_.Current());
    }
    return out;
}

PaneActions PreviewWindowModel::DeleteMarquee() {
    PaneActions out;
    if (settings_.busy) {
        return out;
    }
    marquees_.RemoveCurrent();
    ShowCount(out);
    if (!view_.currentRect.IsEmpty()) {
        out.push_back(InvertOutline{view_.currentRect});
    }
    if (marquees_.Count() < 2) {
        out.push_back(EnableControl{ControlHost::kMainDialog, pane::kIdScanAll, false});
    }
    const Marquee* current = marquees_.Current();
    if (current == nullptr) {
        for (const int32_t id : {pane::kIdDuplicate, pane::kIdDeleteMarquee, pane::kIdZoom, pane::kIdShowZoomAgain}) {
            out.push_back(EnableControl{ControlHost::kMarqueeButtons, id, false});
        }
        out.push_back(EnableControl{ControlHost::kPhotoPage, pane::kIdLocate, true});
        view_.currentRect = {};
        view_.areaLeft = view_.areaTop = 0;
        view_.areaWidth = view_.selWidth = view_.bedWidth;
        view_.areaHeight = view_.selHeight = view_.bedHeight;
        settings_.scalePercent = 100;
        out.push_back(SetScale{100, false});
        out.push_back(RecomputeDarkDocument{});
    } else {
        view_.currentRect = current->view;
        out.push_back(ApplySettings{current->settings});
    }
    AnnounceChange(out);
    return out;
}

PaneActions PreviewWindowModel::MarqueesRestored() {
    PaneActions out;
    const Marquee* current = marquees_.Current();
    if (current == nullptr) {
        for (const int32_t id : {pane::kIdDuplicate, pane::kIdDeleteMarquee, pane::kIdZoom}) {
            out.push_back(EnableControl{ControlHost::kMarqueeButtons, id, false});
        }
        out.push_back(EnableControl{ControlHost::kMainDialog, pane::kIdScanAll, false});
        return out;
    }
    view_.currentRect = current->view;
    ShowCount(out);
    AnnounceChange(out);
    out.push_back(ApplySettings{current->settings});
    EnableAfterAdding(out);
    out.push_back(EnableControl{ControlHost::kMainDialog, pane::kIdScanAll, marquees_.Count() >= 2 && ZoomAllowed()});
    return out;
}

PaneActions PreviewWindowModel::DuplicateMarquee(bool ctrlDown, bool altDown) {
    PaneActions out;
    Marquee* current = marquees_.Current();
    if (current == nullptr) {
        return out;
    }
    const WindowBox box = WindowBoxFor(view_);
    const Rect copy =
        PlaceDuplicate(current->view, DuplicateOffset(marquees_), ctrlDown, altDown, box.width, box.height);
    current->settings = capture_.CaptureSettings();
    if (!marquees_.Duplicate(copy)) {
        out.push_back(ReportNoMemory{});
        return out;
    }
    view_.currentRect = copy;
    out.push_back(InvertOutline{copy});
    ShowCount(out);
    EnableScanAll(out);
    return out;
}

void PreviewWindowModel::InvertAllOutlines(PaneActions& out) const {
    for (int32_t i = 0; i < marquees_.Count(); ++i) {
        out.push_back(InvertOutline{marquees_.At(static_cast<size_t>(i)).view});
    }
}

PaneActions PreviewWindowModel::LocatePicture(std::span<const uint8_t> preview) {
    PaneActions out;
    if (settings_.outWidthLocked || settings_.outHeightLocked || settings_.scaleLocked || settings_.imageLocked) {
        return out;
    }
    InvertAllOutlines(out);
    if (marquees_.IsEmpty()) {
        view_.currentRect = {};
    }
    const DarkMask mask = MakeDarkMask(preview, settings_.darkDocument);
    const Rect box = korva::LocatePicture(mask, view_.currentRect, view_.viewWidth, view_.viewHeight);
    if (!box.IsEmpty()) {
        view_.currentRect = box;
        if (marquees_.IsEmpty()) {
            if (!marquees_.Add(box, capture_.CaptureSettings())) {
                view_.currentRect = {};
                out.push_back(ReportNoMemory{});
                return out;
            }
            EnableAfterAdding(out);
        } else {
            marquees_.UpdateCurrent(box);
        }
        ShowCount(out);
        ComputeSelectionSize(view_, marquees_.Current());
        AnnounceChange(out);
    }
    InvertAllOutlines(out);
    out.push_back(SelectSizeChoice{pane::kIdSizeCustom});
    out.push_back(StoreTabSelection{view_.currentRect});
    return out;
}

std::vector<Rect> PreviewWindowModel::OutlinesToPaint() const {
    std::vector<Rect> outlines;
    const Rect& r = view_.currentRect;
    const bool wholeView =
        int64_t{r.right} - r.left == view_.viewWidth && int64_t{r.bottom} - r.top == view_.viewHeight;
    if (r.IsEmpty() || wholeView) {
        return outlines;
    }
    for (int32_t i = 0; i < marquees_.Count(); ++i) {
        outlines.push_back(marquees_.At(static_cast<size_t>(i)).view);
    }
    return outlines;
}

}  // namespace korva
