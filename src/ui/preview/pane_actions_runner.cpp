// Carries out what the preview model decided: outlines, cursor and capture, messages to the main dialog,
// controls of the dialogs, the settings of a selected marquee.
#include <type_traits>
#include <variant>

#include "core/settings/settings_capture.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr int kScaleField = 142;

LPCSTR SystemCursorFor(HitZone zone) {
    switch (zone) {
        case HitZone::kTop:
        case HitZone::kBottom:
            return IDC_SIZENS;
        case HitZone::kLeft:
        case HitZone::kRight:
            return IDC_SIZEWE;
        case HitZone::kTopLeft:
        case HitZone::kBottomRight:
            return IDC_SIZENWSE;
        case HitZone::kTopRight:
        case HitZone::kBottomLeft:
            return IDC_SIZENESW;
        default:
            return IDC_ARROW;
    }
}

const char* ModuleCursorFor(HitZone zone) {
    switch (zone) {
        case HitZone::kMove:
            return "HAND";
        case HitZone::kDraw:
            return "WCROSS";
        case HitZone::kPicker:
            return "PICKER";
        default:
            return nullptr;
    }
}

}  // namespace

void ScanUI::RunPaneActions(const PaneActions& actions) {
    HWND pane = main_.previewWindow;
    auto host = [&](ControlHost where) -> HWND {
        switch (where) {
            case ControlHost::kMainDialog:
                return mainWindow_;
            case ControlHost::kPhotoPage:
                return main_.photoPage;
            default:
                return nullptr;  // the marquee buttons' dialog is not among the resources
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
                    const char* own = ModuleCursorFor(a.zone);
                    HCURSOR cursor = own ? ::LoadCursorA(instance_, own) : nullptr;
                    ::SetCursor(cursor ? cursor : ::LoadCursorA(nullptr, SystemCursorFor(a.zone)));
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
                    SourceContext context = Context();
                    ApplySettingsBlock(settings_, pane_.View(), context, a.block, services_.strings, true);
                    UpdateColourMatching();
                    ShowResolution(ActivePage());
                    RefreshSizeDisplay();
                } else if constexpr (std::is_same_v<A, SetScale>) {
                    settings_.scalePercent = a.percent;
                    SetItemText(SizeFieldWindow(kScaleField), kScaleField, std::to_string(a.percent));
                } else if constexpr (std::is_same_v<A, PickColour>) {
                    OnPickColour(a.point, a.tool);
                } else if constexpr (std::is_same_v<A, RecomputeDarkDocument>) {
                    UpdateDarkDocument();
                }
            },
            action);
    }
}

}  // namespace korva
