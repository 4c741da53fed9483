// The preview pane: its window class, its place in the main dialog, the mouse and keyboard handed to
// the pane model, the picture and the inverted outlines of the selection.
#include "core/mainwin/hint_table.h"
#include "core/preview/document_selection.h"
#include "core/preview/pane_geometry.h"
#include "core/preview/selection_size.h"
#include "core/settings/settings_capture.h"
#include "ui/boundary/forwarders.h"
#include "ui/boundary/module_state.h"
#include "ui/boundary/scan_ui.h"
#include "ui/common/dialog_items.h"

namespace korva {
namespace {

constexpr char kPreviewClass[] = "PREVIEW";
constexpr int kPlaceholder = 190;
constexpr int kUnitCombo = 138;
constexpr int kCommandApplySizeEdit = 1024;
constexpr int kNumberCharacters = 11;

Rect ToRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

// An inverting one-pixel pen selected into a device context for as long as this object lives.
class InvertingPen {
  public:
    explicit InvertingPen(HDC dc)
        : dc_(dc),
          pen_(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0))),
          oldPen_(::SelectObject(dc, pen_)),
          oldRop_(::SetROP2(dc, R2_NOT)) {}
    ~InvertingPen() {
        ::SetROP2(dc_, oldRop_);
        ::SelectObject(dc_, oldPen_);
        ::DeleteObject(pen_);
    }
    InvertingPen(const InvertingPen&) = delete;
    InvertingPen& operator=(const InvertingPen&) = delete;

  private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ oldPen_;
    int oldRop_;
};

}  // namespace

int32_t ScanUI::DeviceLevel() const {
    return Context().IsAttached() ? static_cast<int32_t>(Context().Get(ctx::level)) : 0;
}

const PaneSettings& ScanUI::SyncPaneSettings() {
    PaneSettings& pane = pane_.Settings();
    pane.docSource = settings_.docSource;
    pane.optionUnit = main_.optionUnit;
    pane.scanResolution = settings_.scanResolution;
    pane.scalePercent = settings_.scalePercent;
    pane.outWidth = settings_.outWidth;
    pane.outHeight = settings_.outHeight;
    pane.outWidthLocked = settings_.locks.outWidth == 1;
    pane.outHeightLocked = settings_.locks.outHeight == 1;
    pane.scaleLocked = settings_.locks.scale == 1;
    pane.imageLocked = settings_.locks.image == 1;
    pane.busy = busy_ != 0;
    pane.darkDocument = settings_.darkDocument != 0;
    pane.resolutions = Context().IsAttached() ? DeviceResolutions(Context()) : std::vector<uint16_t>{};
    return pane;
}

void ScanUI::RegisterPreviewClass() {
    pane_.View().fullWidth = 0;
    pane_.View().fullHeight = 0;
    if (previewClassRegistered_) {
        return;
    }
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = PreviewWndForwarder;
    windowClass.hInstance = instance_;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kPreviewClass;
    previewClassRegistered_ = ::RegisterClassA(&windowClass) != 0;
}

// The pane shows the whole bed of the current source, as large as the dialog's layout allows.
void ScanUI::ComputePaneGeometry() {
    PreviewView& view = pane_.View();
    if (mainWindow_) {
        RECT dialog{};
        ::GetWindowRect(mainWindow_, &dialog);
        const RECT placeholder = ItemScreenRect(mainWindow_, kPlaceholder);
        const RECT combo = ItemScreenRect(mainWindow_, kUnitCombo);
        SetPaneMaxFromDialog(view, dialog.right, placeholder.left, placeholder.top, combo.top);
    } else {
        view.paneMaxWidth = kPaneMaxWidthAlone;
        view.paneMaxHeight = kPaneMaxHeightAlone;
    }
    main_.previewInProgress = 1;
    const BedSize bed = BedForSource(Context(), settings_.docSource, main_.optionUnit);
    main_.previewChoice =
        korva::ComputePaneGeometry(view, pane_.Marquees(), bed, SyncPaneSettings(), pane_.Zoom().fullPreviewShown);
}

bool ScanUI::CreatePreviewWindow() {
    const PaneWindowFrame frame = [&] {
        RECT dialog{};
        ::GetWindowRect(mainWindow_, &dialog);
        return PlacePaneWindow(pane_.View(), ToRect(dialog), ToRect(ItemScreenRect(mainWindow_, kPlaceholder)),
                               ::GetSystemMetrics(SM_CYCAPTION), false);
    }();
    // The pane takes the hidden placeholder's place in the tab order, and its tab stop.
    HWND placeholder = ::GetDlgItem(mainWindow_, kPlaceholder);
    const DWORD tabStop = placeholder ? static_cast<DWORD>(::GetWindowLongA(placeholder, GWL_STYLE)) & WS_TABSTOP : 0;
    main_.previewWindow =
        ::CreateWindowExA(0, kPreviewClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER | tabStop, frame.x, frame.y,
                          frame.width, frame.height, mainWindow_, nullptr, instance_, nullptr);
    if (!main_.previewWindow) {
        return false;
    }
    if (placeholder) {
        ::SetWindowPos(main_.previewWindow, placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    ::ShowWindow(main_.previewWindow, SW_SHOW);
    ::UpdateWindow(main_.previewWindow);
    return true;
}

void ScanUI::PlacePreviewWindow(bool exact) {
    if (!main_.previewWindow) {
        return;
    }
    RECT dialog{};
    ::GetWindowRect(mainWindow_, &dialog);
    const PaneWindowFrame frame =
        PlacePaneWindow(pane_.View(), ToRect(dialog), ToRect(ItemScreenRect(mainWindow_, kPlaceholder)),
                        ::GetSystemMetrics(SM_CYCAPTION), exact);
    ::MoveWindow(main_.previewWindow, frame.x, frame.y, frame.width, frame.height, TRUE);
    FitMainDialogToPane();
}

// A picture read back from the file is the full preview: the pane takes its size.
void ScanUI::FitPaneToPicture() {
    PreviewView& view = pane_.View();
    view.fullWidth = view.paintWidth = view.viewWidth;
    view.fullHeight = view.paintHeight = view.viewHeight;
    pane_.Marquees().SetGeometry(view);
    pane_.Zoom().fullPreviewShown = true;
    PlacePreviewWindow(false);
}

void ScanUI::RepaintPreview() {
    if (main_.previewWindow) {
        ::InvalidateRect(main_.previewWindow, nullptr, TRUE);
    }
    RefreshAdjustmentWindows();
}

// Where the pane is on the screen, for the hit test's view containment.
void ScanUI::UpdatePanePlacement(HWND window) {
    RECT screen{};
    ::GetWindowRect(window, &screen);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    pane_.SetPlacement(PaneWindowPlacement{ToRect(screen), Point{origin.x, origin.y}});
}

LRESULT ScanUI::PreviewWndProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    // Client coordinates are signed: a captured drag reports points left of and above the pane as negative.
    const Point point{static_cast<int16_t>(LOWORD(second)), static_cast<int16_t>(HIWORD(second))};
    switch (message) {
        case WM_CREATE:
            pane_.OnCreate();
            paneCursors_.Load(instance_);
            return 0;
        case WM_PAINT:
            PaintPreview(window);
            return 0;
        case WM_SETCURSOR: {
            POINT cursor{};
            ::GetCursorPos(&cursor);
            ::ScreenToClient(window, &cursor);
            UpdatePanePlacement(window);
            SyncPaneSettings();
            RunPaneActions(pane_.OnSetCursor(Point{cursor.x, cursor.y}, ::GetActiveWindow() == mainWindow_));
            return TRUE;
        }
        case WM_LBUTTONDOWN:
            ::SetFocus(window);  // the keys of the pane (Delete) reach it after a click
            UpdatePanePlacement(window);
            SyncPaneSettings();
            RunPaneActions(pane_.OnButtonDown(point, (first & MK_SHIFT) != 0));
            if (pane_.Interaction().dragging) {
                const InteractionState& state = pane_.Interaction();
                ShowHint(DragHintFor(state.editingExisting ? state.hitZone : HitZone::kDraw));
            }
            return 0;
        case WM_MOUSEMOVE:
            // The model acts on moves only during a drag; hovering need not copy the settings each time.
            if (pane_.Interaction().dragging) {
                SyncPaneSettings();
                RunPaneActions(pane_.OnMouseMove(point));
            }
            return 0;
        case WM_LBUTTONUP: {
            // The main dialog hands over a button-up of its own with wParam -1 and the point in lParam.
            const bool synthetic = first == static_cast<WPARAM>(-1);
            SyncPaneSettings();
            RunPaneActions(pane_.OnButtonUp(synthetic ? Point{LOWORD(second), HIWORD(second)} : point, synthetic));
            ShowHint(::GetFocus() == window ? kHintPaneKeys : kHintReady);
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            SyncPaneSettings();
            RunPaneActions(pane_.OnDoubleClick());
            return 0;
        case WM_GETDLGCODE:
            // The arrows and Tab stay with the pane instead of moving the focus; Ctrl+Tab switches pages,
            // and Enter and Escape belong to the dialog.
            return ::GetKeyState(VK_CONTROL) < 0 ? DLGC_WANTARROWS : DLGC_WANTARROWS | DLGC_WANTTAB;
        case WM_KEYDOWN:
            SyncPaneSettings();
            RunPaneActions(pane_.OnKeyDown(static_cast<uint32_t>(first),
                                           KeyModifiers{::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_SHIFT) < 0}));
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateFocusFrame(window);
            ShowHint(message == WM_SETFOCUS ? kHintPaneKeys : kHintReady);
            return 0;
        case WM_COMMAND:
            if (LOWORD(first) == kCommandApplySizeEdit) {
                SyncPaneSettings();
                RunPaneActions(pane_.OnApplySizeEdit(static_cast<uint32_t>(second)));
                return 0;
            }
            break;
        case WM_CLOSE:
        case WM_DESTROY:
            ReleasePanePalette();
            if (message == WM_DESTROY && window == main_.previewWindow) {
                main_.previewWindow = nullptr;
                paneCursors_.Free();
            }
            return 0;
        default:
            break;
    }
    return ::DefWindowProcA(window, message, first, second);
}

// White over the painted size, then the picture at its own size, or the outlines of the selection.
void ScanUI::PaintPreview(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    const PreviewView& view = pane_.View();
    RECT white{0, 0, view.paintWidth, view.paintHeight};
    ::FillRect(dc, &white, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!main_.previewInProgress && previewImage_.Exists()) {
        DrawAdjustedPreview(dc);
        pane_.Interaction().repaintPending = false;
    }
    for (const Rect& rect : pane_.OutlinesToPaint()) {
        InvertOutline(dc, rect);
    }
    if (::GetFocus() == window) {
        RECT client{};
        ::GetClientRect(window, &client);
        ::DrawFocusRect(dc, &client);
    }
    ::EndPaint(window, &paint);
}

// The focus rectangle runs along the client edges: those four lines are painted again, with or without it.
void ScanUI::InvalidateFocusFrame(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    const RECT edges[] = {{client.left, client.top, client.right, client.top + 1},
                          {client.left, client.bottom - 1, client.right, client.bottom},
                          {client.left, client.top, client.left + 1, client.bottom},
                          {client.right - 1, client.top, client.right, client.bottom}};
    for (const RECT& edge : edges) {
        ::InvalidateRect(window, &edge, TRUE);
    }
}

void ScanUI::InvertOutline(HDC dc, const Rect& rect) {
    InvertingPen pen(dc);
    ::MoveToEx(dc, rect.left, rect.top, nullptr);
    ::LineTo(dc, rect.right, rect.top);
    ::LineTo(dc, rect.right, rect.bottom);
    ::LineTo(dc, rect.left, rect.bottom);
    ::LineTo(dc, rect.left, rect.top);
}

void ScanUI::DrawSelectionOutlines() {
    if (!main_.previewWindow) {
        return;
    }
    HDC dc = ::GetDC(main_.previewWindow);
    for (const Rect& rect : pane_.OutlinesToPaint()) {
        InvertOutline(dc, rect);
    }
    ::ReleaseDC(main_.previewWindow, dc);
}

// Empties the marquee list and erases the selection's outline.
void ScanUI::ClearSelection() {
    if (!pane_.Marquees().IsEmpty()) {
        DrawSelectionOutlines();
    }
    pane_.Marquees().Clear();
    pane_.View().currentRect = Rect{};
}

// Makes a rectangle the selection: a marquee with the present settings, its outline drawn.
void ScanUI::SelectMarquee(const Rect& rect) {
    pane_.View().currentRect = rect;
    pane_.Marquees().SetGeometry(pane_.View());
    if (!pane_.Marquees().Add(rect, CaptureSettings())) {
        pane_.View().currentRect = Rect{};
        ReportMarqueeNotAdded();
        return;
    }
    if (previewImage_.Exists()) {
        DrawSelectionOutlines();
    }
}

SettingsBlock ScanUI::CaptureSettings() {
    return CaptureSettingsFor(BlockUse::kMarquee);
}

SettingsBlock ScanUI::CaptureSettingsFor(BlockUse use) {
    DisplayedSizes sizes;
    sizes.width = ItemText(mainWindow_, 191, kNumberCharacters + 1);
    sizes.height = ItemText(mainWindow_, 192, kNumberCharacters + 1);
    sizes.outWidth = ItemText(SizeFieldWindow(131), 131, kNumberCharacters + 1);
    sizes.outHeight = ItemText(SizeFieldWindow(136), 136, kNumberCharacters + 1);
    const PreviewView& view = pane_.View();
    const DocumentSelection selection = SelectionInDocument(view);
    return korva::CaptureSettings(settings_, view, sizes, selection, use, services_.strings);
}

std::vector<Marquee> ScanUI::MarqueeRecords() {
    std::vector<Marquee> records;
    const MarqueeList& list = pane_.Marquees();
    for (int32_t i = 0; i < list.Count(); ++i) {
        records.push_back(list.At(static_cast<size_t>(i)));
    }
    return records;
}

}  // namespace korva
