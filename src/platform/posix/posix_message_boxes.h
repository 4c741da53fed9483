// Message boxes without a windowing system: each box is written to the error stream and answered from
// a queue of prepared answers, or with its first button when the queue is empty.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace korva {

class PosixMessageBoxes final : public MessageBoxes {
  public:
    struct Shown {
        std::string text;
        std::string caption;
        unsigned style;
    };

    int Show(WindowRef owner, const std::string& text, const std::string& caption, unsigned style) override;
    void Beep() override { ++beeps; }

    std::deque<int> answers;
    std::vector<Shown> shown;
    int beeps = 0;
};

}  // namespace korva
