// The modeless Tone Correction window (template "GAMMA"): moves values between its controls and a
// ToneCorrectionSession, paints the curve area and the gradient bars, and runs the drag of a point.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/settings/scan_settings.h"
#include "core/tone/tone_correction.h"

namespace korva {

class ToneDialog {
  public:
    // `redrawPreview` renders the current settings into the preview pane at once.
    ToneDialog(HINSTANCE instance, ScanSettings& settings, std::function<void()> redrawPreview);
    ToneDialog(const ToneDialog&) = delete;
    ToneDialog& operator=(const ToneDialog&) = delete;

    HWND Window() const { return window_; }
    // Creates the window owned by `owner` with `forwarder` as its procedure, or brings the open one to
    // the front. Returns the window, or null when it could not be created.
    HWND Open(HWND owner, DLGPROC forwarder);
    // Destroys the window as it stands: the working list is dropped, the current tone map stays.
    void Close();

    INT_PTR DialogProc(HWND window, UINT message, WPARAM first, LPARAM second);

  private:
    void OnInit(HWND window);
    void OnCommand(int id, int code);
    void OnActivate();
    void OnDestroy();
    void OnPaint();
    void OnDrawBar(const DRAWITEMSTRUCT& item);
    void OnButtonDown(POINT client);
    void OnMouseMove(POINT client);
    void OnButtonUp(POINT client);
    bool OnSetCursor();

    void OnEdit(int id, int code);
    void OnChannel(int id);
    void OnPin(int id);
    void OnCombo(int code);
    bool SaveUnder(const std::string& name);
    void OnDelete();
    void OnOk();
    void Finish();
    void Destroy();

    void LeaveBuiltIn();
    void SetPoint(int point, int32_t level);
    void FillCombo();
    void ShowChannel();
    void KeepToMasterIfGrey();
    void EnableEntryButtons();
    void Redraw();
    void RefreshCurve();
    // The curve area in dialog client coordinates.
    RECT AreaRect() const;
    POINT AreaPoint(POINT client) const;
    void DrawArea(HDC dc, int width, int height);
    int Ask(int stringId);

    HINSTANCE instance_;
    ScanSettings& settings_;
    std::function<void()> redrawPreview_;

    HWND window_ = nullptr;
    std::optional<ToneCorrectionSession> session_;
    bool dragging_ = false;
    int dragPoint_ = -1;
    CurveScreenPoints screenPoints_{};
    ToneCurve selectedCurve_{};
    std::array<int32_t, 5> editValues_{};  // what each field held when it got the focus
};

}  // namespace korva
