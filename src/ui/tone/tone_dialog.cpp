#include "ui/tone/tone_dialog.h"

#include <string>
#include <utility>

#include "ui/common/dialog_items.h"
#include "ui/mainwin/gdi_objects.h"

namespace korva {
namespace {

constexpr int kCurveArea = 414;
constexpr int kHorizontalBar = 610;
constexpr int kVerticalBar = 611;
constexpr int kFirstPinBox = 613;  // 613, 614, 615 pin points 1, 2, 3
constexpr int kFirstLevelField = 444;
constexpr int kToneMapCombo = 530;
constexpr int kSaveButton = 500;
constexpr int kDeleteButton = 510;
constexpr int kRedButton = 440;
constexpr int kMasterButton = 443;
constexpr int kNameCharacters = 59;
constexpr int kLevelCharacters = 16;
constexpr int kGradientSize = 42;  // the gradient bitmaps are loaded at this size and stretched
constexpr int kStrip = 3;          // the strip above and below the area that the point marks reach into
constexpr int kCaptionString = 5;
constexpr int kUserDefinedString = 13;
constexpr int kReplaceString = 270;
constexpr int kDeleteString = 271;

constexpr COLORREF kChannelColours[4] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(0, 0, 0)};
constexpr const char* kHorizontalBars[4] = {"GMBMPRH", "GMBMPGH", "GMBMPBH", "GMBMPMH"};
constexpr const char* kVerticalBars[4] = {"GMBMPRV", "GMBMPGV", "GMBMPBV", "GMBMPMV"};

void DrawCurve(HDC dc, const CurveScreenPoints& points, COLORREF colour) {
    OwnedPen pen(::CreatePen(PS_SOLID, 1, colour));
    ScopedSelect selected(dc, pen.Get());
    std::array<POINT, 256> line{};
    for (size_t i = 0; i < line.size(); ++i) {
        line[i] = {points[i].x, points[i].y + kStrip};
    }
    ::Polyline(dc, line.data(), static_cast<int>(line.size()));
}

}  // namespace

ToneDialog::ToneDialog(HINSTANCE instance, ScanSettings& settings, std::function<void()> redrawPreview)
    : instance_(instance), settings_(settings), redrawPreview_(std::move(redrawPreview)) {}

HWND ToneDialog::Open(HWND owner, DLGPROC forwarder) {
    if (window_) {
        ::SetActiveWindow(window_);
        ::BringWindowToTop(window_);
        return window_;
    }
    HWND window = ::CreateDialogParamA(instance_, "GAMMA", owner, forwarder, 0);
    if (window) {
        ::ShowWindow(window, SW_SHOW);
    }
    return window;
}

void ToneDialog::Close() {
    if (window_) {
        Destroy();
    }
}

// The session ends first, so that the focus leaving a level field while the window goes away changes
// nothing any more.
void ToneDialog::Destroy() {
    session_.reset();
    ::DestroyWindow(window_);
}

INT_PTR ToneDialog::DialogProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    const POINT client{static_cast<int16_t>(LOWORD(second)), static_cast<int16_t>(HIWORD(second))};
    switch (message) {
        case WM_INITDIALOG:
            OnInit(window);
            return FALSE;  // the focus is on OK
        case WM_COMMAND:
            if (session_) {
                OnCommand(LOWORD(first), HIWORD(first));
                return TRUE;
            }
            return FALSE;
        case WM_ACTIVATE:
            if (LOWORD(first) != WA_INACTIVE && session_) {
                OnActivate();
            }
            return FALSE;
        case WM_PAINT:
            OnPaint();
            return TRUE;
        case WM_DRAWITEM:
            OnDrawBar(*reinterpret_cast<const DRAWITEMSTRUCT*>(second));
            return TRUE;
        case WM_LBUTTONDOWN:
            OnButtonDown(client);
            return TRUE;
        case WM_MOUSEMOVE:
            OnMouseMove(client);
            return TRUE;
        case WM_LBUTTONUP:
            OnButtonUp(client);
            return TRUE;
        case WM_SETCURSOR:
            if (OnSetCursor()) {
                ::SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            OnOk();
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        default:
            return FALSE;
    }
}

void ToneDialog::OnInit(HWND window) {
    window_ = window;
    session_.emplace(settings_);
    FillCombo();
    EnableEntryButtons();
    KeepToMasterIfGrey();
    ShowChannel();
    RefreshCurve();
    const DialogPosition& last = settings_.positions.gamma;
    if (last.x != 0 || last.y != 0) {
        ::SetWindowPos(window, nullptr, last.x, last.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::SetFocus(::GetDlgItem(window, IDOK));
}

void ToneDialog::OnCommand(int id, int code) {
    if (id >= kFirstLevelField && id < kFirstLevelField + 5) {
        OnEdit(id, code);
        return;
    }
    if (code != BN_CLICKED && id != kToneMapCombo) {
        return;
    }
    switch (id) {
        case kRedButton:
        case kRedButton + 1:
        case kRedButton + 2:
        case kMasterButton:
            OnChannel(id);
            return;
        case kFirstPinBox:
        case kFirstPinBox + 1:
        case kFirstPinBox + 2:
            OnPin(id);
            return;
        case kToneMapCombo:
            OnCombo(code);
            return;
        case kSaveButton:
            if (SaveUnder(ItemText(window_, kToneMapCombo, kNameCharacters + 1))) {
                redrawPreview_();
            }
            return;
        case kDeleteButton:
            OnDelete();
            return;
        case IDOK:
            OnOk();
            return;
        case IDCANCEL:
            session_->Cancel();
            Finish();
            return;
        default:
            return;
    }
}

// Colour types may use every channel again; grey and black-and-white types only the master.
void ToneDialog::OnActivate() {
    const bool colour = !OnlyMasterChannel(settings_);
    for (int id = kRedButton; id < kMasterButton; ++id) {
        EnableItem(window_, id, colour);
    }
    if (!colour && session_->SelectedChannel() != kChannelMaster) {
        session_->KeepToMaster();
        ShowChannel();
        Redraw();
    }
}

void ToneDialog::OnDestroy() {
    RECT frame{};
    if (::GetWindowRect(window_, &frame)) {
        settings_.positions.gamma = {frame.left, frame.top};
    }
    if (dragging_) {
        ::ReleaseCapture();
        ::ClipCursor(nullptr);
        dragging_ = false;
    }
    session_.reset();
    window_ = nullptr;
}

void ToneDialog::Finish() {
    Destroy();
    redrawPreview_();
}

void ToneDialog::OnEdit(int id, int code) {
    const int point = id - kFirstLevelField;
    if (code == EN_SETFOCUS) {
        editValues_[point] = ParseLevel(ItemText(window_, id, kLevelCharacters)).value_or(0);
        return;
    }
    if (code != EN_KILLFOCUS) {
        return;
    }
    const std::optional<int32_t> level = ParseLevel(ItemText(window_, id, kLevelCharacters));
    if (!level) {
        ::MessageBeep(MB_OK);
        SetItemText(window_, id, "0");
        return;
    }
    if (*level == editValues_[point]) {
        RefreshCurve();  // shows the clamped value
        return;
    }
    SetPoint(point, *level);
    redrawPreview_();
}

void ToneDialog::OnChannel(int id) {
    session_->SelectChannel(static_cast<uint32_t>(id));
    ShowChannel();
    Redraw();
}

void ToneDialog::OnPin(int id) {
    LeaveBuiltIn();
    session_->TogglePin(id - kFirstPinBox + 1);
    ShowChannel();
    Redraw();
}

void ToneDialog::OnCombo(int code) {
    if (code == CBN_SELCHANGE) {
        const auto item = static_cast<int32_t>(::SendDlgItemMessageA(window_, kToneMapCombo, CB_GETCURSEL, 0, 0));
        if (item < 0 || item >= session_->Count()) {
            return;
        }
        session_->SelectEntry(item);
        EnableEntryButtons();
        ShowChannel();
        Redraw();
        redrawPreview_();
        return;
    }
    if (code == CBN_KILLFOCUS || code == CBN_EDITCHANGE) {
        const std::string text = ItemText(window_, kToneMapCombo, kNameCharacters + 1);
        if (!text.empty() && session_->Find(text) < 0) {
            EnableItem(window_, kSaveButton, true);
        }
    }
}

bool ToneDialog::SaveUnder(const std::string& name) {
    const int32_t existing = session_->Find(name);
    if (name.empty() || (existing >= 0 && existing < kProtectedToneMaps)) {
        ::MessageBeep(MB_OK);
        ::SetFocus(::GetDlgItem(window_, kToneMapCombo));
        return false;
    }
    if (existing >= 0 && Ask(kReplaceString) != IDYES) {
        ::SetFocus(::GetDlgItem(window_, kToneMapCombo));
        return false;
    }
    if (session_->Save(name) != SaveOutcome::kSaved) {
        ::MessageBeep(MB_OK);
        return false;
    }
    FillCombo();
    EnableItem(window_, kSaveButton, true);
    EnableItem(window_, kDeleteButton, true);
    Redraw();
    return true;
}

void ToneDialog::OnDelete() {
    const auto item = static_cast<int32_t>(::SendDlgItemMessageA(window_, kToneMapCombo, CB_GETCURSEL, 0, 0));
    if (item < kProtectedToneMaps || item >= session_->Count()) {
        return;
    }
    if (Ask(kDeleteString) != IDYES) {
        ::SetFocus(::GetDlgItem(window_, kToneMapCombo));
        return;
    }
    session_->Delete(item);
    ::SendDlgItemMessageA(window_, kToneMapCombo, CB_DELETESTRING, static_cast<WPARAM>(item), 0);
    ::SendDlgItemMessageA(window_, kToneMapCombo, CB_SETCURSEL, static_cast<WPARAM>(session_->Index()), 0);
    EnableEntryButtons();
    ShowChannel();
    Redraw();
    redrawPreview_();
}

void ToneDialog::OnOk() {
    ::SetFocus(::GetDlgItem(window_, IDOK));  // a level still being typed counts
    const std::string text = ItemText(window_, kToneMapCombo, kNameCharacters + 1);
    const SaveBeforeCommit save = session_->NeededSave(text, ModuleString(instance_, kUserDefinedString));
    // A changed built-in entry is not saved over: the edited map stays "User Defined".
    const bool saves = save == SaveBeforeCommit::kSaveNew ||
                       (save == SaveBeforeCommit::kSaveChanged && session_->Find(text) >= kProtectedToneMaps);
    if (saves && !SaveUnder(text)) {
        return;
    }
    session_->Commit();
    Finish();
}

void ToneDialog::LeaveBuiltIn() {
    if (!session_->LeaveBuiltIn()) {
        return;
    }
    const std::string userDefined = ModuleString(instance_, kUserDefinedString);
    const LRESULT item = ::SendDlgItemMessageA(window_, kToneMapCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(userDefined.c_str()));
    if (item == CB_ERR) {
        ::SendDlgItemMessageA(window_, kToneMapCombo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetItemText(window_, kToneMapCombo, userDefined);
    } else {
        ::SendDlgItemMessageA(window_, kToneMapCombo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
    EnableItem(window_, kSaveButton, true);
}

void ToneDialog::SetPoint(int point, int32_t level) {
    LeaveBuiltIn();
    session_->SetPoint(point, level);
    Redraw();
}

void ToneDialog::FillCombo() {
    ::SendDlgItemMessageA(window_, kToneMapCombo, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : session_->Names()) {
        ::SendDlgItemMessageA(window_, kToneMapCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    if (session_->UserDefined()) {
        const std::string userDefined = ModuleString(instance_, kUserDefinedString);
        ::SendDlgItemMessageA(window_, kToneMapCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(userDefined.c_str()));
    }
    ::SendDlgItemMessageA(window_, kToneMapCombo, CB_SETCURSEL, static_cast<WPARAM>(session_->Index()), 0);
}

void ToneDialog::EnableEntryButtons() {
    EnableItem(window_, kSaveButton, session_->EditableEntry());
    EnableItem(window_, kDeleteButton, session_->EditableEntry());
}

void ToneDialog::KeepToMasterIfGrey() {
    if (OnlyMasterChannel(settings_)) {
        for (int id = kRedButton; id < kMasterButton; ++id) {
            EnableItem(window_, id, false);
        }
        session_->KeepToMaster();
    }
}

// The channel button, the pin boxes of that channel and its gradient bars.
void ToneDialog::ShowChannel() {
    const int channel = session_->SelectedChannel();
    for (int id = kRedButton; id <= kMasterButton; ++id) {
        CheckItem(window_, id, id - kRedButton == channel);
    }
    const ToneMap toneMap = session_->Current();
    for (int point = 1; point <= 3; ++point) {
        CheckItem(window_, kFirstPinBox + point - 1, toneMap.IsPinned(channel, point));
    }
    for (int bar : {kHorizontalBar, kVerticalBar}) {
        ::InvalidateRect(::GetDlgItem(window_, bar), nullptr, FALSE);
    }
}

// The selected curve's screen points and its levels in the five fields.
void ToneDialog::RefreshCurve() {
    if (OnlyMasterChannel(settings_)) {
        session_->SelectChannel(kMasterButton);
    }
    ToneTables tables;
    BuildToneMapCurves(session_->Current(), tables);
    selectedCurve_ = tables.toneCurves[session_->SelectedChannel()];
    const RECT area = AreaRect();
    screenPoints_ = CurveToScreen(selectedCurve_, area.right - area.left, area.bottom - area.top);
    for (int point = 0; point < 5; ++point) {
        SetItemTextIfChanged(window_, kFirstLevelField + point, std::to_string(selectedCurve_[kPointLevels[point]]));
    }
}

void ToneDialog::Redraw() {
    RefreshCurve();
    RECT area = AreaRect();
    ::InflateRect(&area, 0, kStrip);
    ::InvalidateRect(window_, &area, FALSE);
    ::UpdateWindow(window_);
}

RECT ToneDialog::AreaRect() const {
    RECT area{};
    HWND control = ::GetDlgItem(window_, kCurveArea);
    if (control) {
        ::GetWindowRect(control, &area);
        ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
    }
    return area;
}

POINT ToneDialog::AreaPoint(POINT client) const {
    const RECT area = AreaRect();
    return {client.x - area.left, client.y - area.top};
}

void ToneDialog::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window_, &paint);
    if (session_) {
        RefreshCurve();
        const RECT area = AreaRect();
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        MemoryDc memory(dc);
        OwnedBitmap bitmap(::CreateCompatibleBitmap(dc, width, height + 2 * kStrip));
        if (memory && bitmap) {
            ScopedSelect selected(memory.Get(), bitmap.Get());
            DrawArea(memory.Get(), width, height);
            ::BitBlt(dc, area.left, area.top - kStrip, width, height + 2 * kStrip, memory.Get(), 0, 0, SRCCOPY);
        }
    }
    ::EndPaint(window_, &paint);
}

// The area drawn into a bitmap that starts kStrip pixels above it.
void ToneDialog::DrawArea(HDC dc, int width, int height) {
    const RECT all{0, 0, width, height + 2 * kStrip};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_3DFACE));  // the strips show the dialog face
    const RECT area{0, kStrip, width, height + kStrip};
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::FrameRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));

    const int selected = session_->SelectedChannel();
    const ToneMap toneMap = session_->Current();
    ToneTables tables;
    BuildToneMapCurves(toneMap, tables);
    if (selected != kChannelMaster) {
        for (int channel = kChannelRed; channel <= kChannelBlue; ++channel) {
            DrawCurve(dc, CurveToScreen(tables.toneCurves[channel], width, height), kChannelColours[channel]);
        }
    }
    DrawCurve(dc, screenPoints_, kChannelColours[selected]);

    ScopedSelect pen(dc, ::GetStockObject(BLACK_PEN));
    for (int point = 0; point < 5; ++point) {
        const CurvePoint& mark = screenPoints_[kPointLevels[point]];
        const bool filled = point == 0 || point == 4 || toneMap.IsPinned(selected, point);
        ScopedSelect brush(dc, ::GetStockObject(filled ? BLACK_BRUSH : WHITE_BRUSH));
        const int top = mark.y + kStrip;
        ::Rectangle(dc, mark.x - kPointHitRadius, top - kPointHitRadius, mark.x + kPointHitRadius + 1,
                    top + kPointHitRadius + 1);
    }
}

void ToneDialog::OnDrawBar(const DRAWITEMSTRUCT& item) {
    const bool horizontal = item.CtlID == kHorizontalBar;
    if (!session_ || (!horizontal && item.CtlID != kVerticalBar)) {
        return;
    }
    const int channel = session_->SelectedChannel();
    OwnedBitmap bitmap(
        static_cast<HBITMAP>(::LoadImageA(instance_, horizontal ? kHorizontalBars[channel] : kVerticalBars[channel],
                                          IMAGE_BITMAP, kGradientSize, kGradientSize, 0)));
    MemoryDc memory(item.hDC);
    if (!bitmap || !memory) {
        ::FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)));
        return;
    }
    ScopedSelect selected(memory.Get(), bitmap.Get());
    const RECT& r = item.rcItem;
    ::SetStretchBltMode(item.hDC, COLORONCOLOR);
    ::StretchBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Get(), 0, 0, kGradientSize,
                 kGradientSize, SRCCOPY);
}

void ToneDialog::OnButtonDown(POINT client) {
    if (!session_) {
        return;
    }
    RefreshCurve();
    const POINT at = AreaPoint(client);
    const int point = HitTestPoint(screenPoints_, at.x, at.y);
    if (point < 0) {
        return;
    }
    RECT confine{};
    ::GetWindowRect(::GetDlgItem(window_, kCurveArea), &confine);
    ::SetCapture(window_);
    ::ClipCursor(&confine);
    dragging_ = true;
    dragPoint_ = point;
}

void ToneDialog::OnMouseMove(POINT client) {
    if (!dragging_ || !session_) {
        return;
    }
    const RECT area = AreaRect();
    SetPoint(dragPoint_, DragLevel(AreaPoint(client).y, area.bottom - area.top));
    redrawPreview_();
}

void ToneDialog::OnButtonUp(POINT client) {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    ::ReleaseCapture();
    ::ClipCursor(nullptr);
    if (!session_) {
        return;
    }
    const RECT area = AreaRect();
    SetPoint(dragPoint_, DragLevel(AreaPoint(client).y, area.bottom - area.top));
    redrawPreview_();
}

bool ToneDialog::OnSetCursor() {
    if (!session_) {
        return false;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(window_, &cursor);
    const RECT area = AreaRect();
    if (!dragging_ && !::PtInRect(&area, cursor)) {
        return false;
    }
    const POINT at = AreaPoint(cursor);
    const bool nearPoint = dragging_ || HitTestPoint(screenPoints_, at.x, at.y) >= 0;
    ::SetCursor(::LoadCursorA(nullptr, nearPoint ? IDC_CROSS : IDC_ARROW));
    return true;
}

int ToneDialog::Ask(int stringId) {
    return ::MessageBoxA(window_, ModuleString(instance_, stringId).c_str(),
                         ModuleString(instance_, kCaptionString).c_str(), MB_YESNO | MB_ICONQUESTION);
}

}  // namespace korva
