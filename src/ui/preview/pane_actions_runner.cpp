// Carries out what the preview model decided: outlines, cursor and capture, messages to the main dialog,
// controls of the dialogs, the settings of a selected marquee.
#include <type_traits>
#include <variant>

#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kScaleField = 142;
constexpr int kNoMemoryString = 12;
constexpr char kMessageCaption[] = "QXTWAIN32";

}  // namespace

void ScanUI::ReportMarqueeNotAdded() {
    services_.messages.Show(reinterpret_cast<WindowRef>(mainWindow_), ModuleString(instance_, kNoMemoryString),
                            kMessageCaption, mb::kOk);
}

void ScanUI::RunPaneActions(const PaneActions& actions) {
    HWND pane = main_.previewWindow;
    auto host = [&](ControlHost where) -> HWND {
        switch (where) {
            case ControlHost::kPhotoPage:
                return main_.photoPage;
            default:
                return mainWindow_;  // 729 and the marquee strip are on the main dialog
        }
    };
    for (const PaneAction& action : actions) {
        std::visit(
            [&](const auto& a) {
                using A = std::decay_t<decltype(a)>;
                if constexpr (std::is_same_v<A, korva::InvertOutline>) {
                    if (pane) {
                        HDC dc = ::GetDC(pane);
                        InvertOutline(dc, a.rect);
                        ::ReleaseDC(pane, dc);
                    }
                } else if constexpr (std::is_same_v<A, ChangeCursor>) {
                    ::SetCursor(paneCursors_.For(a.zone));
                } else if constexpr (std::is_same_v<A, BeginDrag>) {
                    RECT screen{};
                    ::GetWindowRect(pane, &screen);
                    ::SetCapture(pane);
                    ::ClipCursor(&screen);
                } else if constexpr (std::is_same_v<A, EndDrag>) {
                    ::ClipCursor(nullptr);
                    ::ReleaseCapture();
                } else if constexpr (std::is_same_v<A, SetHover>) {
                    pane_.Interaction().hovering = a.hovering;
                } else if constexpr (std::is_same_v<A, PostToMainDialog>) {
                    ::PostMessageA(mainWindow_, a.message, a.wParam, a.lParam);
                } else if constexpr (std::is_same_v<A, SendCommandToMainDialog>) {
                    ::SendMessageA(mainWindow_, WM_COMMAND, MAKEWPARAM(a.id, BN_CLICKED), 0);
                } else if constexpr (std::is_same_v<A, korva::MarkChanged>) {
                    MarkChanged();
                } else if constexpr (std::is_same_v<A, EnableControl>) {
                    EnableItem(host(a.host), a.id, a.enable);
                } else if constexpr (std::is_same_v<A, SetControlText>) {
                    if (HWND window = host(a.host)) {
                        SetItemText(window, a.id, a.text);
                    }
                } else if constexpr (std::is_same_v<A, CloseDropDowns>) {
                    for (int id : {115, 113, 138}) {
                        ::SendDlgItemMessageA(mainWindow_, id, CB_SHOWDROPDOWN, FALSE, 0);
                    }
                } else if constexpr (std::is_same_v<A, SelectSizeChoice>) {
                    CheckSizeChoice(ActivePage(), a.id);
                    ActiveTab().paperSize = a.id;
                } else if constexpr (std::is_same_v<A, StoreTabSelection>) {
                    ActiveTab().selectRect = a.rect;
                } else if constexpr (std::is_same_v<A, ApplySettings>) {
                    LoadMarqueeSettings(a.block);
                } else if constexpr (std::is_same_v<A, SetScale>) {
                    settings_.scalePercent = a.percent;
                    SetItemText(SizeFieldWindow(kScaleField), kScaleField, std::to_string(a.percent));
                } else if constexpr (std::is_same_v<A, PickColour>) {
                    OnPickColour(a.point, a.tool);
                } else if constexpr (std::is_same_v<A, RecomputeDarkDocument>) {
                    UpdateDarkDocument();
                } else if constexpr (std::is_same_v<A, ReportNoMemory>) {
                    ReportMarqueeNotAdded();
                } else if constexpr (std::is_same_v<A, LeavePane>) {
                    ::SendMessageA(mainWindow_, WM_NEXTDLGCTL, a.backwards ? 1 : 0, FALSE);
                }
            },
            action);
    }
}

}  // namespace korva
