#include "platform/posix/posix_message_boxes.h"

#include <cstdio>

namespace korva {

int PosixMessageBoxes::Show(WindowRef, const std::string& text, const std::string& caption, unsigned style) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    shown.push_back({text, caption, style});
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (style & 0xF) {
        case mb::kYesNo:
        case mb::kYesNoCancel:
            return mb::kAnswerYes;
        default:
            return mb::kAnswerOk;
    }
}

}  // namespace korva
