// The owner-drawn pictures of every dialog: tab labels and frame with their captions, the title, the
// logo, the pictures beside the command buttons and the picture buttons.
#include <string>

#include "core/imaging/picture_names.h"
#include "core/imaging/tab_picture.h"
#include "ui/boundary/scan_ui.h"
#include "ui/mainwin/picture_drawing.h"

namespace korva {
namespace {

constexpr size_t kCaptionCapacity = 64;

}  // namespace

void ScanUI::DrawItem(HWND dialog, const DRAWITEMSTRUCT* item) {
    if (!item) {
        return;
    }
    HDC dc = item->hDC;
    FillWithBackground(dc, item->rcItem);
    const int controlId = static_cast<int>(item->CtlID);
    const PictureChoice choice =
        ChoosePicture(controlId, {item->itemState, settings_.tabFlag == 1, settings_.locks.image == 1});
    std::optional<PixelBox> extent;
    switch (choice.fit) {
        case PictureFit::kNone:
            return;
        case PictureFit::kTab:
            if (DrawTabPicture(instance_, dc, item->rcItem, choice)) {
                const RECT& r = item->rcItem;
                extent = PixelBox{r.left, r.top, r.right, r.bottom};
            }
            DrawTabCaptions(dialog);
            break;
        default:
            extent = DrawPicture(instance_, dc, item->rcItem, choice);
            break;
    }
    if (extent && WantsFocusRectangle(controlId, item->itemState)) {
        const PixelBox focus = FocusRectangle(*extent);
        const RECT rect{focus.left, focus.top, focus.right, focus.bottom};
        ::DrawFocusRect(dc, &rect);
    }
}

// The captions sit on the two tab labels, over the label pictures, on the face colour.
void ScanUI::DrawTabCaptions(HWND dialog) {
    for (const TabCaption& caption : kTabCaptions) {
        HWND control = ::GetDlgItem(dialog, caption.controlId);
        if (!control) {
            continue;
        }
        WindowDc dc(control);
        if (!dc) {
            continue;
        }
        RECT client{};
        ::GetClientRect(control, &client);
        const std::string text = services_.strings.Load(caption.stringId, kCaptionCapacity);
        ScopedSelect font(dc.Get(), CaptionFontHandle());
        ::SetBkMode(dc.Get(), OPAQUE);
        ::SetBkColor(dc.Get(), ::GetSysColor(COLOR_3DFACE));
        ::SetTextColor(dc.Get(), ::GetSysColor(COLOR_BTNTEXT));
        ::DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &client,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

HFONT ScanUI::CaptionFontHandle() {
    if (!captionFont_) {
        const CaptionFont font = TabCaptionFont(settings_.languageLetter);
        const std::wstring face(font.face.begin(), font.face.end());
        captionFont_.Reset(::CreateFontW(font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                         static_cast<DWORD>(font.charSet), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str()));
    }
    return captionFont_.Get() ? captionFont_.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace korva
