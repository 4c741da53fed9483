#include "ui/mainwin/about_box.h"

#include <string>

#include "core/imaging/picture_names.h"
#include "core/text/about_text.h"
#include "platform/win32/win32_services.h"
#include "ui/boundary/module_state.h"
#include "ui/mainwin/gdi_objects.h"
#include "ui/mainwin/picture_drawing.h"

namespace korva {
namespace {

constexpr int kPictureControl = 449;
constexpr int kVersionString = 4;
constexpr size_t kVersionCapacity = 40;

int Width(const RECT& r) {
    return r.right - r.left;
}

int Height(const RECT& r) {
    return r.bottom - r.top;
}

// A box smaller than the product picture grows to its size and moves to the middle of the desktop.
BOOL OnInitDialog(HWND box) {
    RECT desktop{};
    RECT own{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    ::GetWindowRect(box, &own);
    const AboutPlacement placement = PlaceAboutBox(Width(desktop), Height(desktop), Width(own), Height(own));
    if (placement.grow) {
        ::MoveWindow(::GetDlgItem(box, kPictureControl), 0, 0, placement.width, placement.height, TRUE);
        ::MoveWindow(box, placement.x, placement.y, placement.width, placement.height, TRUE);
    }
    return TRUE;
}

// The picture at its own size and the version line in the white field at its lower right.
void OnDrawItem(const DRAWITEMSTRUCT* item) {
    if (!item || item->CtlID != kPictureControl) {
        return;
    }
    const HINSTANCE instance = Module().instance;
    HDC dc = item->hDC;
    FillWithBackground(dc, item->rcItem);
    const std::optional<PixelBox> picture =
        DrawPicture(instance, dc, item->rcItem, ChoosePicture(kPictureControl, {item->itemState}));
    if (!picture) {
        return;
    }
    Win32StringTable strings(instance);
    Win32SystemFacts system;
    const std::string line = AboutVersionLine(strings.Load(kVersionString, kVersionCapacity));
    const TextOrigin origin =
        AboutVersionOrigin(picture->right - picture->left, picture->bottom - picture->top, system.CaptionHeight());
    SavedDcState state(dc);
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::TextOutA(dc, picture->left + origin.x, picture->top + origin.y, line.c_str(), static_cast<int>(line.size()));
}

}  // namespace

INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(box);
        case WM_COMMAND:
            if (LOWORD(first) == IDOK || LOWORD(first) == IDCANCEL) {
                ::EndDialog(box, 0);
                return TRUE;
            }
            return FALSE;
        case WM_LBUTTONDOWN:
            ::EndDialog(box, 0);
            return TRUE;
        case WM_DRAWITEM:
            OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        default:
            return FALSE;
    }
}

void OpenAboutBox(HWND owner, const char* templateName) {
    ::DialogBoxParamA(Module().instance, templateName, owner, AboutProc, 0);
}

}  // namespace korva
