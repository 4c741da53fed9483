// Message boxes. Button sets, icons and answers use the numbers of the Windows message-box functions.
#pragma once

#include <cstdint>
#include <string>

namespace korva {

namespace mb {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kOkCancel = 0x1;
inline constexpr unsigned kYesNoCancel = 0x3;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconExclamation = 0x30;

inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
}  // namespace mb

// An owner window as an opaque value (0 = no owner).
using WindowRef = uintptr_t;

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns the answer (mb::kAnswer...).
    virtual int Show(WindowRef owner, const std::string& text, const std::string& caption, unsigned style) = 0;
    // The short warning sound of a rejected entry.
    virtual void Beep() = 0;
};

}  // namespace korva
