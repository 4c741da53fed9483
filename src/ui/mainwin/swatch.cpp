// Colour swatches of the adjustment windows.
#include <initializer_list>

#include "core/imaging/swatch.h"
#include "ui/boundary/scan_ui.h"

namespace korva {
namespace {

constexpr COLORREF kBevelLight = RGB(255, 255, 255);
constexpr COLORREF kBevelDark = RGB(63, 63, 63);
constexpr COLORREF kBevelOutline = RGB(192, 192, 192);

void Line(HDC dc, COLORREF colour, std::initializer_list<POINT> points) {
    OwnedPen pen(::CreatePen(PS_SOLID, 1, colour));
    if (!pen) {
        return;
    }
    ScopedSelect select(dc, pen.Get());
    const POINT* first = points.begin();
    ::MoveToEx(dc, first->x, first->y, nullptr);
    for (const POINT* p = first + 1; p != points.end(); ++p) {
        ::LineTo(dc, p->x, p->y);
    }
}

// The swatch in coordinates whose origin lies 3 pixels inside the area's top-left corner: the colour
// from (-3, -3) to (width, height), a white edge left and top at -2, a dark one right and bottom at
// width - 2 and height - 2, and a light grey outline from -1 to width - 3 and height - 3.
void PaintSwatch(HDC dc, Rgb colour, int width, int height) {
    SavedDcState state(dc);
    ::OffsetViewportOrgEx(dc, 3, 3, nullptr);
    OwnedBrush brush(::CreateSolidBrush(RGB(colour.red, colour.green, colour.blue)));
    if (brush) {
        const RECT area{-3, -3, width, height};
        ::FillRect(dc, &area, brush.Get());
    }
    const int right = width - 2;
    const int bottom = height - 2;
    Line(dc, kBevelLight, {{-2, bottom}, {-2, -2}, {right, -2}});
    Line(dc, kBevelDark, {{right, -2}, {right, bottom}, {-2, bottom}});
    Line(dc, kBevelOutline, {{-1, -1}, {width - 3, -1}, {width - 3, height - 3}, {-1, height - 3}, {-1, -1}});
}

}  // namespace

void ScanUI::DrawSwatch(HDC dc, int controlId, COLORREF colour, int width, int height) {
    const Rgb fill = SwatchFill({GetRValue(colour), GetGValue(colour), GetBValue(colour)}, IsGreyImageType(settings_));
    if (dc) {
        PaintSwatch(dc, fill, width, height);
        return;
    }
    HWND owner =
        controlId == 433 ? color_.Window() : (controlId == 232 || controlId == 233 ? tools_.Window() : nullptr);
    HWND control = owner ? ::GetDlgItem(owner, controlId) : nullptr;
    if (!control) {
        return;
    }
    WindowDc controlDc(control);
    if (controlDc) {
        PaintSwatch(controlDc.Get(), fill, width, height);
    }
}

}  // namespace korva
