#include "ui/preview/pane_cursors.h"

namespace korva {
namespace {

constexpr const char* kOwnNames[] = {"HAND", "WCROSS", "PICKER"};
enum SystemSlot { kArrow, kSizeNS, kSizeWE, kSizeNWSE, kSizeNESW };
enum OwnSlot { kHand, kCross, kPicker };

}  // namespace

void PaneCursors::Load(HINSTANCE instance) {
    Free();
    for (size_t i = 0; i < own_.size(); ++i) {
        own_[i] = static_cast<HCURSOR>(::LoadImageA(instance, kOwnNames[i], IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    }
    const LPCSTR systemNames[] = {IDC_ARROW, IDC_SIZENS, IDC_SIZEWE, IDC_SIZENWSE, IDC_SIZENESW};
    for (size_t i = 0; i < system_.size(); ++i) {
        system_[i] = ::LoadCursorA(nullptr, systemNames[i]);
    }
}

void PaneCursors::Free() {
    for (HCURSOR& cursor : own_) {
        if (cursor) {
            ::DestroyCursor(cursor);
            cursor = nullptr;
        }
    }
}

HCURSOR PaneCursors::For(HitZone zone) const {
    HCURSOR own = nullptr;
    SystemSlot fallback = kArrow;
    switch (zone) {
        case HitZone::kTop:
        case HitZone::kBottom:
            fallback = kSizeNS;
            break;
        case HitZone::kLeft:
        case HitZone::kRight:
            fallback = kSizeWE;
            break;
        case HitZone::kTopLeft:
        case HitZone::kBottomRight:
            fallback = kSizeNWSE;
            break;
        case HitZone::kTopRight:
        case HitZone::kBottomLeft:
            fallback = kSizeNESW;
            break;
        case HitZone::kMove:
            own = own_[kHand];
            break;
        case HitZone::kDraw:
            own = own_[kCross];
            break;
        case HitZone::kPicker:
            own = own_[kPicker];
            break;
        default:
            break;
    }
    return own ? own : system_[fallback];
}

}  // namespace korva
