// Activation of the main dialog, its initialisation and its procedure.
#include <windowsx.h>

#include "core/boundary/main_templates.h"
#include "core/mainwin/hint_table.h"
#include "core/mainwin/ocr_options.h"
#include "core/mainwin/tab_layout.h"
#include "core/settings/driver_settings.h"
#include "ui/boundary/forwarders.h"
#include "ui/boundary/module_state.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"
#include "ui/mainwin/about_box.h"

namespace korva {
namespace {

constexpr UINT kMsgSettingsChanged = WM_USER + 100;  // 1124
constexpr UINT kMsgBusy = WM_USER + 101;             // 1125
constexpr UINT kMsgSizeEditDone = WM_USER + 102;     // 1126
// The About item of the system menu, and the command that opens the larger About box.
constexpr UINT kAboutItem = 10;
constexpr int kAboutString = 10;
constexpr int kCommandToggleAlternative = 787;
constexpr int kCommandFocusRun = 968;
constexpr char kColourMatchingLibrary[] = "CXMRUN2A.DLL";
constexpr int kMarqueeCount = 737;  // the last control of the row of labels and strip buttons

}  // namespace

bool ScanUI::CreateMainDialog(HWND parent) {
    useAltProc_ = 0;
    while (!mainProc_) {
        mainProc_ = useAltProc_ ? AltMainDialogForwarder : MainDialogForwarder;
        const char* name =
            useAltProc_ ? "ScanMain0"
                        : ChooseMainTemplates(services_.system.ScreenWidth(), services_.system.CaptionHeight()).main;
        mainWindow_ = ::CreateDialogParamA(instance_, name, parent, mainProc_, 0);
        if (mainWindow_) {
            break;
        }
        mainProc_ = nullptr;
        if (useAltProc_) {
            return false;
        }
        useAltProc_ = 1;
    }
    return true;
}

// A second activation with the same parent shows the dialog that exists, with its pages and pane.
bool ScanUI::Activate(HWND parent) {
    if (mainWindow_ && ::IsWindow(mainWindow_)) {
        ::ShowWindow(mainWindow_, SW_SHOW);
        return true;
    }
    if (!CreateMainDialog(parent)) {
        return false;
    }
    Module().mainWindow = mainWindow_;
    CreatePages();
    PlacePages();
    if (settings_.saveValues != 1) {
        settings_.tabFlag = 0;
        settings_.autoExposure = 0;
    }
    ShowActivePage();
    main_.lastPreviewSource = settings_.saveValues == 1 ? services_.profile.ReadInt(settings_.locations.iniPath,
                                                                                    "Settings", "LastPreview", -1)
                                                        : -1;
    ComputePaneGeometry();
    CreatePreviewWindow();
    ::UpdateWindow(mainWindow_);
    RestoreAfterActivation();
    if (settings_.autoPreview == 1) {
        ::SendMessageA(mainWindow_, WM_COMMAND, MAKEWPARAM(733, BN_CLICKED), 0);
    }
    return true;
}

void ScanUI::CreatePages() {
    const MainTemplates templates =
        ChooseMainTemplates(services_.system.ScreenWidth(), services_.system.CaptionHeight());
    main_.photoProc = PhotoPageForwarder;
    main_.photoPage = ::CreateDialogParamA(instance_, templates.photo, mainWindow_, main_.photoProc, 0);
    main_.ocrProc = OcrPageForwarder;
    main_.ocrPage = ::CreateDialogParamA(instance_, templates.ocr, mainWindow_, main_.ocrProc, 0);
}

void ScanUI::PlacePages() {
    if (!main_.ocrPage || !main_.photoPage) {
        return;
    }
    RECT page{};
    ::GetWindowRect(main_.ocrPage, &page);
    const RECT frame = ItemScreenRect(mainWindow_, 157);
    const RECT origin = ItemScreenRect(mainWindow_, 158);
    const PagePlacement placement = CentrePageInFrame(Rect{frame.left, frame.top, frame.right, frame.bottom},
                                                      Rect{origin.left, origin.top, origin.right, origin.bottom},
                                                      page.right - page.left, page.bottom - page.top);
    // In the tab order the pages follow the labels and the marquee strip above them.
    for (HWND window : {main_.ocrPage, main_.photoPage}) {
        ::SetWindowPos(window, ::GetDlgItem(mainWindow_, kMarqueeCount), placement.x, placement.y,
                       page.right - page.left, page.bottom - page.top, SWP_NOACTIVATE);
    }
    // The frame picture must not paint over the page that lies on it: its window keeps only the border
    // around the page.
    HWND frameWindow = ::GetDlgItem(mainWindow_, 157);
    ::GetWindowRect(main_.ocrPage, &page);
    HRGN keep = ::CreateRectRgn(0, 0, frame.right - frame.left, frame.bottom - frame.top);
    HRGN covered =
        ::CreateRectRgn(page.left - frame.left, page.top - frame.top, page.right - frame.left, page.bottom - frame.top);
    ::CombineRgn(keep, keep, covered, RGN_DIFF);
    ::DeleteObject(covered);
    if (!::SetWindowRgn(frameWindow, keep, TRUE)) {
        ::DeleteObject(keep);
    }
}

void ScanUI::ShowActivePage() {
    const bool ocr = settings_.tabFlag == 1;
    ::ShowWindow(ocr ? main_.photoPage : main_.ocrPage, SW_HIDE);
    ::EnableWindow(ocr ? main_.photoPage : main_.ocrPage, FALSE);
    ::EnableWindow(ActivePage(), TRUE);
    ::ShowWindow(ActivePage(), SW_SHOW);
    UpdateTabLabels();
    if (ocr) {
        settings_.imageTypes.current = kLineArtImageType;
        settings_.docSource = settings_.ocr.feedOption;
    } else {
        settings_.imageTypes.current = settings_.colorSelection == 991 ? 4 : 1;
        settings_.docSource = settings_.photo.feedOption;
    }
    UpdateDarkDocument();
    UpdateColourMatching();
}

void ScanUI::InitMainDialog(HWND window) {
    mainWindow_ = window;
    if (HMENU menu = ::GetSystemMenu(window, FALSE)) {
        ::DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
        ::DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, kAboutItem, ModuleString(instance_, kAboutString).c_str());
        ::EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
    }
    if (HICON icon = ::LoadIconA(instance_, "KVSCAN")) {
        ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    main_.pendingSize = main_.pendingOutSize = main_.pendingScale = 0;
    changed_ = 1;

    Services services = ServicesNow();
    LoadDriverSettings(settings_, services);
    InitMainSettings(window);
    if (settings_.saveValues != 1) {
        settings_.displayUnit = settings_.languageLetter == 'A' ? 0 : 2;
    }
    InitUnitCombo(window);
    main_.pendingSize = main_.pendingOutSize = main_.pendingScale = 0;

    const DialogPosition& position = settings_.positions.main;
    if (position.x != 0 || position.y != 0) {
        ::SetWindowPos(window, nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (settings_.saveValues != 1) {
        settings_.tabFlag = 0;
    }
    if (HasSrgbColourManagement(services_.system.Version())) {
        main_.colourMatching = ::LoadLibraryA(kColourMatchingLibrary);
    }
}

INT_PTR ScanUI::MainDialogProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            InitMainDialog(window);
            return FALSE;
        case WM_COMMAND:
            OnMainCommand(window, LOWORD(first), HIWORD(first), reinterpret_cast<HWND>(second));
            return TRUE;
        case WM_SYSCOMMAND:
            OnMainSysCommand(window, first);
            return first == kAboutItem ? TRUE : FALSE;
        case WM_LBUTTONDOWN: {
            POINT point{GET_X_LPARAM(second), GET_Y_LPARAM(second)};
            ::ClientToScreen(window, &point);
            SwitchTab(point);
            return TRUE;
        }
        case WM_SETCURSOR:
            OnMainSetCursor(reinterpret_cast<HWND>(first));
            return FALSE;
        case WM_ACTIVATE:
            if (LOWORD(first) == WA_INACTIVE) {
                ::ReleaseCapture();
            }
            return FALSE;
        case WM_HSCROLL:
            OnParameterScroll(window, LOWORD(first), static_cast<int16_t>(HIWORD(first)),
                              reinterpret_cast<HWND>(second));
            return TRUE;
        case WM_DRAWITEM:
            DrawItem(window, reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        case WM_CLOSE:
            RememberWindowPosition();
            ::DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            OnMainDestroy(window);
            return TRUE;
        case kMsgSettingsChanged:
            settings_.sourceWidth = 0;
            settings_.sourceHeight = 0;
            RefreshSizeDisplay();
            return TRUE;
        case kMsgBusy:
            OnBusyMessage(first, second);
            return TRUE;
        case kMsgSizeEditDone:
            OnSizeEditDone(first, second);
            return TRUE;
        default:
            return FALSE;
    }
}

void ScanUI::OnMainCommand(HWND window, int id, int code, HWND control) {
    switch (id) {
        case IDCANCEL:
            return;  // Escape does not close the scanner window
        case kCommandToggleAlternative:
            main_.alternativeWindowFlag = !main_.alternativeWindowFlag;
            return;
        case kCommandFocusRun:
            RunFocus();
            return;
        default:
            HandleCommand(window, id, code, control);
            return;
    }
}

void ScanUI::OnMainSysCommand(HWND window, WPARAM command) {
    if (command == kAboutItem) {
        OpenAboutBox(window, "Splash");
        return;
    }
    HMENU menu = ::GetSystemMenu(window, FALSE);
    switch (command & 0xFFF0) {
        case SC_MINIMIZE:
            ::EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | MF_ENABLED);
            ::EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | MF_GRAYED);
            return;
        case SC_RESTORE:
            ::EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
            ::EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | MF_ENABLED);
            return;
        case SC_CLOSE:
            CloseFromSystemMenu();  // the default handling then closes the dialog
            return;

        default:
            return;
    }
}

// The status line names what the control under the mouse does.
void ScanUI::OnMainSetCursor(HWND control) {
    pane_.Interaction().hovering = false;  // the mouse is over the dialog, not the pane
    ShowHint(control ? HintStringFor(::GetDlgCtrlID(control)) : kHintReady);
}

void ScanUI::RememberWindowPosition() {
    RECT rect{};
    if (mainWindow_ && ::GetWindowRect(mainWindow_, &rect)) {
        settings_.positions.main.x = rect.left;
        settings_.positions.main.y = rect.top;
    }
}

void ScanUI::OnMainDestroy(HWND window) {
    for (HWND* page : {&main_.ocrPage, &main_.photoPage}) {
        if (*page) {
            ::DestroyWindow(*page);
            *page = nullptr;
        }
    }
    main_.ocrProc = main_.photoProc = nullptr;
    main_.previewWindow = nullptr;
    if (main_.colourMatching) {
        ::FreeLibrary(main_.colourMatching);
        main_.colourMatching = nullptr;
    }
    if (window == mainWindow_) {
        mainWindow_ = nullptr;
        mainProc_ = nullptr;
        Module().mainWindow = nullptr;
    }
}

void ScanUI::OnSizeEditDone(WPARAM first, LPARAM second) {
    if (first == 0) {
        ApplySizeFieldEdit(second);
    } else {
        RefreshSizeDisplay();
    }
}

}  // namespace korva
