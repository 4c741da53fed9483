// The behaviour of the preview window as a model: the window procedure turns messages into the events
// below and carries out the actions each returns. The model owns the view geometry, the marquee list
// and the interaction state; the settings it reads are a copy kept up to date by their owner.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/preview/hit_test.h"
#include "core/preview/hit_zone.h"
#include "core/preview/marquee.h"
#include "core/preview/marquee_edit.h"
#include "core/preview/marquee_list.h"
#include "core/preview/pane_actions.h"
#include "core/preview/pane_settings.h"
#include "core/preview/point.h"
#include "core/preview/preview_view.h"
#include "core/preview/rect.h"
#include "core/settings/settings_block.h"

namespace korva {

// Reads the present settings from the dialogs into a block (CaptureSettings), when a marquee is added or
// another one becomes current.
class SettingsCapture {
  public:
    virtual ~SettingsCapture() = default;
    virtual SettingsBlock CaptureSettings() = 0;
};

struct InteractionState {
    bool dragging = false;          // mouse captured and cursor clipped
    bool editingExisting = false;   // the drag moves or resizes the current marquee, else draws a new one
    Point lastPoint;                // previous position of a move/resize drag
    Rect rectAtDown;                // the current marquee when a move/resize drag began
    Point createPoint{-100, -100};  // last position of a rubber band inside the view; (-100, -100) none
    HitZone hitZone = HitZone::kNone;
    bool pendingSelect = false;  // the mouse is on another marquee's border: a click selects it
    uint16_t pickerMode = 0;     // id of the armed colour-picking tool
    bool shiftAtDown = false;
    MoveAxis moveAxis = MoveAxis::kUndecided;
    bool hovering = false;
    bool interactionOff = false;  // hit testing gives kNone
    bool repaintPending = false;
};

// The modifier keys held with a key of the pane.
struct KeyModifiers {
    bool ctrl = false;
    bool shift = false;
};

// What the pane knows of the zoom: whether the full preview is shown, and the marquee the cached zoom
// image was made from.
struct ZoomBookkeeping {
    bool fullPreviewShown = false;
    Marquee lastZoomMarquee;
};

class PreviewWindowModel {
  public:
    explicit PreviewWindowModel(SettingsCapture& capture) : capture_(capture) {}
    PreviewWindowModel(const PreviewWindowModel&) = delete;
    PreviewWindowModel& operator=(const PreviewWindowModel&) = delete;

    PreviewView& View() { return view_; }
    MarqueeList& Marquees() { return marquees_; }
    PaneSettings& Settings() { return settings_; }
    ZoomBookkeeping& Zoom() { return zoom_; }
    InteractionState& Interaction() { return state_; }
    // Where the window is on the screen; set when it is created or moved.
    void SetPlacement(const PaneWindowPlacement& placement) { placement_ = placement; }

    // Window creation: the interaction state starts afresh.
    void OnCreate() { state_ = InteractionState{}; }
    // WM_SETCURSOR: the hit zone (kNone unless the main dialog is active; kNone while a repaint is
    // pending; kPicker while a picker is armed) and its cursor.
    PaneActions OnSetCursor(Point client, bool mainDialogActive);
    // WM_LBUTTONDOWN: starts a rubber band, a move or resize, or waits for the button-up of a selection.
    PaneActions OnButtonDown(Point client, bool shiftDown);
    // WM_MOUSEMOVE while dragging.
    PaneActions OnMouseMove(Point client);
    // WM_LBUTTONUP; `synthetic` for the main dialog's own button-up (wParam -1), which applies the
    // move/resize rule once more at the point.
    PaneActions OnButtonUp(Point client, bool synthetic);
    // A typed width or height takes over from a rubber band still being drawn: its outline goes, the
    // mouse is released, and the selection is the current marquee's again.
    PaneActions EraseRubberBand();
    // WM_LBUTTONDBLCLK: "&Max" and no current marquee.
    PaneActions OnDoubleClick();
    // WM_KEYDOWN; every key is answered 0. Delete and Ctrl+D send the delete and duplicate commands;
    // Insert adds a marquee; the arrows move the current marquee by a view pixel (Ctrl: ten) and with
    // Shift move its right or bottom edge; Tab and Shift+Tab make the next or previous marquee current,
    // and leave the pane after the last or before the first.
    PaneActions OnKeyDown(uint32_t virtualKey, KeyModifiers modifiers = {});
    // CMD_APPLY_SIZE_EDIT with its lParam: low word the size in view pixels, high word the edit's id.
    PaneActions OnApplySizeEdit(uint32_t argument);

    // The marquee list was filled from a file and its current marquee chosen: the selection, the count,
    // the current marquee's settings and the enable states of the marquee commands follow.
    PaneActions MarqueesRestored();
    // Delete marquee (962); nothing while busy.
    PaneActions DeleteMarquee();
    // Duplicate marquee (959) with the Ctrl and Alt keys as they are.
    PaneActions DuplicateMarquee(bool ctrlDown, bool altDown);
    // Locate the picture (956) on the 24-bit preview; nothing while a size lock is set.
    PaneActions LocatePicture(std::span<const uint8_t> preview);
    // A tab page's target-size edit while an output dimension is locked; the rectangle is only kept when
    // the window exists.
    PaneActions ApplyTargetSizeLock(bool windowExists);

    // The whole marquee strip at once (after a preview, a zoom, a restore, or a change of the busy state):
    // the count in 737 and each button enabled exactly when its command can act. Everything is disabled
    // while busy.
    PaneActions RefreshStrip(bool previewExists) const;

    // The outlines a paint draws: every marquee's, unless there is no current rectangle or it spans the
    // whole view.
    std::vector<Rect> OutlinesToPaint() const;

  private:
    void ApplyEditRule(Point client, PaneActions& out);
    void TakeEditStep(const Rect& before, const EditStep& step, PaneActions& out);
    void AfterEditStep(HitZone zone, PaneActions& out);
    void ShowSelectedMarquee(PaneActions& out);
    bool KeysEditMarquees() const;
    void InsertMarquee(PaneActions& out);
    Rect FreePlace(Rect rect) const;
    void NudgeMarquee(uint32_t arrow, KeyModifiers modifiers, PaneActions& out);
    void CycleMarquees(bool backwards, PaneActions& out);
    void RemoveCurrentMarquee(PaneActions& out);
    void FinishRubberBand(PaneActions& out);
    void ReaddInvertedMarquee(PaneActions& out);
    void AnnounceChange(PaneActions& out) const;
    void ShowCount(PaneActions& out) const;
    void EnableAfterAdding(PaneActions& out) const;
    void EnableScanAll(PaneActions& out) const;
    void UpdateShowZoomAgain(PaneActions& out) const;
    bool ZoomAllowed() const;
    void InvertAllOutlines(PaneActions& out) const;

    SettingsCapture& capture_;
    PreviewView view_;
    MarqueeList marquees_;
    PaneSettings settings_;
    ZoomBookkeeping zoom_;
    InteractionState state_;
    PaneWindowPlacement placement_;
};

}  // namespace korva
