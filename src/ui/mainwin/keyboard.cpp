// Keys that the dialog manager does not know: page switching in the main dialog, and Enter on a
// focused picture button.
#include "core/mainwin/page_keys.h"
#include "ui/boundary/scan_ui.h"

namespace korva {
namespace {

constexpr int kOcrLabel = 154;
constexpr int kPhotoLabel = 155;

bool KeyDown(int key) {
    return (::GetKeyState(key) & 0x8000) != 0;
}

bool IsPictureButton(HWND window) {
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    return ::lstrcmpiA(className, "Button") == 0 && (::GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

}  // namespace

bool ScanUI::HandleModuleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !message.hwnd) {
        return false;
    }
    return HandlePageKey(message) || PressFocusedPicture(message);
}

// The page keys reach the main dialog from whichever of its children has the focus: the pages, the
// pane, the buttons. The tool windows keep them: they are separate windows with their own controls.
bool ScanUI::HandlePageKey(const MSG& message) {
    if (!mainWindow_ || (message.hwnd != mainWindow_ && !::IsChild(mainWindow_, message.hwnd))) {
        return false;
    }
    HWND activeLabel = ActiveTabLabel();
    const PageKeyPress press{.key = static_cast<uint32_t>(message.wParam),
                             .ctrl = KeyDown(VK_CONTROL),
                             .shift = KeyDown(VK_SHIFT),
                             .alt = KeyDown(VK_MENU),
                             .onActiveLabel = message.hwnd == activeLabel};
    const std::optional<int32_t> target = PageAfterKey(press, settings_.tabFlag);
    if (!target) {
        return false;
    }
    SelectTab(*target);
    if (press.onActiveLabel) {
        ::SetFocus(ActiveTabLabel());  // the focus stays on the labels, as in any tab strip
    }
    return true;
}

// The dialog manager gives Enter to the default button unless the focused control is a push button;
// a picture button is pressed by it as by a click or the space bar.
bool ScanUI::PressFocusedPicture(const MSG& message) {
    if (message.wParam != VK_RETURN || KeyDown(VK_MENU) || !IsPictureButton(message.hwnd) ||
        !::IsWindowEnabled(message.hwnd)) {
        return false;
    }
    HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    if (!root || (root != mainWindow_ && root != altWindow_ && root != lastToolWindow_)) {
        return false;
    }
    ::SendMessageA(::GetParent(message.hwnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(message.hwnd), BN_CLICKED),
                   reinterpret_cast<LPARAM>(message.hwnd));
    return true;
}

HWND ScanUI::ActiveTabLabel() const {
    return ::GetDlgItem(mainWindow_, settings_.tabFlag == 1 ? kOcrLabel : kPhotoLabel);
}

// Only the active page's label takes the focus; the other stays a disabled picture, so that a click on
// it reaches the dialog, which switches the page.
void ScanUI::UpdateTabLabels() {
    const bool ocr = settings_.tabFlag == 1;
    HWND ocrLabel = ::GetDlgItem(mainWindow_, kOcrLabel);
    HWND photoLabel = ::GetDlgItem(mainWindow_, kPhotoLabel);
    ::EnableWindow(ocrLabel, ocr);
    ::EnableWindow(photoLabel, !ocr);
}

}  // namespace korva
