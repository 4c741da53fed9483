// What the preview window must do after an event: the model decides, the window procedure carries the
// actions out in order.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/preview/hit_zone.h"
#include "core/preview/point.h"
#include "core/preview/rect.h"
#include "core/settings/settings_block.h"

namespace korva {

// Which window holds a control.
enum class ControlHost {
    kMainDialog,      // 729
    kMarqueeButtons,  // the dialog with 186, 737, 789, 959, 962
    kPhotoPage,       // 956
};

// Inverts the one-pixel outline left-top, right-top, right-bottom, left-bottom of a rectangle in client
// pixels; inverting the same outline again erases it.
struct InvertOutline {
    Rect rect;
};
// Shows the cursor of the zone.
struct ChangeCursor {
    HitZone zone;
};
// Captures the mouse and clips the cursor to the window's screen rectangle.
struct BeginDrag {};
// Frees the cursor clip and releases the capture.
struct EndDrag {};
// Records whether the mouse hovers over the picture (the main dialog clears it when the mouse leaves).
struct SetHover {
    bool hovering;
};
struct PostToMainDialog {
    uint32_t message;
    uint32_t wParam;
    uint32_t lParam;
};
struct SendCommandToMainDialog {
    int32_t id;
};
// ScanUI's MarkChanged.
struct MarkChanged {};
struct EnableControl {
    ControlHost host;
    int32_t id;
    bool enable;
};
struct SetControlText {
    ControlHost host;
    int32_t id;
    std::string text;
};
// Closes the drop-down lists of combo boxes 115, 113 and 138.
struct CloseDropDowns {};
// Checks the radio button `id` of group 970..976 on the active tab page and records it as the page's
// size choice.
struct SelectSizeChoice {
    int32_t id;
};
// Stores the rectangle as the saved selection of the current tab mode.
struct StoreTabSelection {
    Rect rect;
};
// Loads the block into the settings and the dialogs (ApplySettingsBlock with show).
struct ApplySettings {
    SettingsBlock block;
};
// The scale (percent) is now `percent`: store it and show it in edit 142, and in scroll bar 141 when
// `scrollBar` is set.
struct SetScale {
    int32_t percent;
    bool scrollBar;
};
// Hands the point to the colour-picking operation of the armed tool.
struct PickColour {
    Point point;
    uint16_t tool;
};
// Recomputes the dark-document flag from the image type.
struct RecomputeDarkDocument {};
// A marquee could not be added for want of memory: the user is told (string 12); the list is unchanged.
struct ReportNoMemory {};
// Tab went past the last marquee (Shift+Tab before the first): the focus moves on to the dialog's next
// (previous) control.
struct LeavePane {
    bool backwards;
};

using PaneAction = std::variant<InvertOutline,
                                ChangeCursor,
                                BeginDrag,
                                EndDrag,
                                SetHover,
                                PostToMainDialog,
                                SendCommandToMainDialog,
                                MarkChanged,
                                EnableControl,
                                SetControlText,
                                CloseDropDowns,
                                SelectSizeChoice,
                                StoreTabSelection,
                                ApplySettings,
                                SetScale,
                                PickColour,
                                RecomputeDarkDocument,
                                ReportNoMemory,
                                LeavePane>;
using PaneActions = std::vector<PaneAction>;

}  // namespace korva
