// The modeless adjustment windows "Tools" (exposure, gamma, highlight, shadow, sharpness) and "Color"
// (gray balance, saturation): a scroll bar and a value field per image-processing parameter. Every
// change re-renders the preview at once, a dragged thumb as it moves.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>

#include "core/imaging/eyedropper.h"
#include "core/preview/point.h"
#include "ui/mainwin/modeless_window.h"

namespace korva {

class ScanUI;

// The parameters of the "Tools" and "Color" windows: exposure, gamma, highlight, shadow, sharpness; gray
// balance, saturation.
inline constexpr int kToolsParameters[] = {0, 1, 2, 3, 12};
inline constexpr int kColorParameters[] = {5, 6};

// An eyedropper: the button that arms it, the swatch that shows the colour it picked, what it sets.
struct Eyedropper {
    int button;
    int swatch;
    PickTarget target;
};
inline constexpr Eyedropper kToolsEyedroppers[] = {{438, 232, PickTarget::kHighlight}, {439, 233, PickTarget::kShadow}};
inline constexpr Eyedropper kColorEyedroppers[] = {{434, 433, PickTarget::kGrayPoint}};

class ParameterWindow {
  public:
    // `parameters` are the image-processing parameter numbers the window shows; `position` is where it
    // opens, remembered when it closes.
    ParameterWindow(ScanUI& ui,
                    const char* templateName,
                    std::span<const int> parameters,
                    std::span<const Eyedropper> eyedroppers,
                    DialogPosition& position)
        : ui_(ui), templateName_(templateName), parameters_(parameters), eyedroppers_(eyedroppers), frame_(position) {}
    ParameterWindow(const ParameterWindow&) = delete;
    ParameterWindow& operator=(const ParameterWindow&) = delete;

    void Open(HINSTANCE instance, HWND owner, DLGPROC forwarder);
    void Close() { frame_.Close(); }
    HWND Window() const { return frame_.Window(); }
    // Moves every scroll bar and value field to the current values and refreshes the enable states.
    void ShowValues();

    INT_PTR Proc(HWND window, UINT message, WPARAM first, LPARAM second);

    // Whether `tool` is one of this window's eyedroppers; if so, the colour at `point` of the preview
    // pane is taken.
    bool OnPicked(uint16_t tool, Point point);

  private:
    void OnDrawItem(const DRAWITEMSTRUCT* item);
    void SetRanges();
    void OnValueField(int fieldId);
    void OnScroll(int code, int16_t thumb, HWND scrollBar);

    ScanUI& ui_;
    const char* templateName_;
    std::span<const int> parameters_;
    std::span<const Eyedropper> eyedroppers_;
    std::array<Rgb, 2> picked_{};  // the colour each eyedropper picked last, by its place in eyedroppers_
    ModelessWindow frame_;
};

}  // namespace korva
