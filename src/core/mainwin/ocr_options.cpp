#include "core/mainwin/ocr_options.h"

namespace korva {

OcrOption OcrOptionFor(int32_t id) {
    switch (id) {
        case kOptionAas:
            return OcrOption{1, 1, false, true, false};
        case kOptionTet:
            return OcrOption{0, 0, false, false, true};
        default:
            return OcrOption{0, 2, true, false, false};
    }
}

}  // namespace korva
