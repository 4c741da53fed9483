#include "core/mainwin/page_keys.h"

namespace korva {
namespace {

// The pages in the order of their labels, left to right, as tab flags.
constexpr int32_t kPageOrder[] = {1, 0};
constexpr int32_t kPageCount = 2;

enum class Step { kNone, kNextWrapping, kPreviousWrapping, kRight, kLeft };

Step StepFor(const PageKeyPress& press) {
    if (press.alt) {
        return Step::kNone;
    }
    if (press.ctrl) {
        switch (press.key) {
            case kKeyTab:
                return press.shift ? Step::kPreviousWrapping : Step::kNextWrapping;
            case kKeyPageDown:
                return press.shift ? Step::kNone : Step::kNextWrapping;
            case kKeyPageUp:
                return press.shift ? Step::kNone : Step::kPreviousWrapping;
            default:
                return Step::kNone;
        }
    }
    if (!press.onActiveLabel || press.shift) {
        return Step::kNone;
    }
    switch (press.key) {
        case kKeyRight:
            return Step::kRight;
        case kKeyLeft:
            return Step::kLeft;
        default:
            return Step::kNone;
    }
}

}  // namespace

std::optional<int32_t> PageAfterKey(const PageKeyPress& press, int32_t tabFlag) {
    const int32_t position = tabFlag == kPageOrder[0] ? 0 : 1;
    int32_t target = position;
    switch (StepFor(press)) {
        case Step::kNone:
            return std::nullopt;
        case Step::kNextWrapping:
            target = (position + 1) % kPageCount;
            break;
        case Step::kPreviousWrapping:
            target = (position + kPageCount - 1) % kPageCount;
            break;
        case Step::kRight:
            target = position + 1 < kPageCount ? position + 1 : position;
            break;
        case Step::kLeft:
            target = position > 0 ? position - 1 : position;
            break;
    }
    return kPageOrder[target];
}

}  // namespace korva
