// The keys that switch between the OCR and Photo pages, as in any property sheet: Ctrl+Tab and
// Ctrl+PageDown go to the next page and Ctrl+Shift+Tab and Ctrl+PageUp to the previous one, wrapping
// around; Left and Right on the focused label of the active page go to the page beside it, without wrapping.
#pragma once

#include <cstdint>
#include <optional>

namespace korva {

// Virtual-key codes of the keys concerned.
inline constexpr uint32_t kKeyTab = 0x09;
inline constexpr uint32_t kKeyPageUp = 0x21;
inline constexpr uint32_t kKeyPageDown = 0x22;
inline constexpr uint32_t kKeyLeft = 0x25;
inline constexpr uint32_t kKeyRight = 0x27;

struct PageKeyPress {
    uint32_t key = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool onActiveLabel = false;  // the label of the active page has the focus
};

// The tab flag (1 = OCR page, 0 = Photo page) that the key leads to from `tabFlag`, or nothing when the
// key does not belong to page switching. A page key at the end of the labels leads to the page shown.
std::optional<int32_t> PageAfterKey(const PageKeyPress& press, int32_t tabFlag);

}  // namespace korva
