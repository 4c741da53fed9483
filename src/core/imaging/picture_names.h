// Which picture an owner-drawn control shows, in which of its three states, and how the picture is
// copied into the control.
#pragma once

#include <cstdint>
#include <string_view>

namespace korva {

// Bits of an owner-drawn item's state.
inline constexpr uint32_t kItemPressed = 0x0001;
inline constexpr uint32_t kItemDisabled = 0x0004;
inline constexpr uint32_t kItemFocused = 0x0010;
inline constexpr uint32_t kItemNoFocusRect = 0x0200;  // the window hides focus cues until the keyboard is used

enum class PictureFit {
    kNone,     // the control shows no picture
    kNatural,  // copied at its own size to the item's top-left corner
    kStretch,  // stretched to the whole item
    kSquare,   // stretched to a square of the item's shorter side at its top-left corner
    kTab,      // a 16-colour tab picture that takes the face colour, stretched to the item
};

struct PictureState {
    uint32_t itemState = 0;
    bool ocrTabActive = false;  // the OCR page is the active tab page
    bool imageLocked = false;   // the output size is locked (the lock pictures)
};

struct PictureChoice {
    std::string_view name;  // a resource name, empty with PictureFit::kNone
    PictureFit fit = PictureFit::kNone;
};

// The picture of control `controlId`: a pressed item shows its pressed picture, else a disabled item
// its disabled picture, else the normal one; a control with one picture shows it in every state.
PictureChoice ChoosePicture(int controlId, const PictureState& state);

// Whether a focused item gets a focus rectangle: every picture but the plain parameter icons does, unless
// the window hides its focus cues.
bool WantsFocusRectangle(int controlId, uint32_t itemState);

// A rectangle of pixels; right and bottom lie just outside it.
struct PixelBox {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// Where a picture of `bitmapWidth` x `bitmapHeight` pixels lands in `item`.
PixelBox PictureExtent(PictureFit fit, const PixelBox& item, int32_t bitmapWidth, int32_t bitmapHeight);

// The focus rectangle of a picture: 4 pixels inside its extent.
PixelBox FocusRectangle(const PixelBox& extent);

}  // namespace korva
