// Error diffusion with a varying threshold over the rows of an image, one channel at a time. The error of
// a pixel goes to the pixel after it in its row, to three pixels of the next row and to one two rows
// below; the two sums are divided separately, truncating toward zero. Three rows of errors are kept,
// sized to the image with two zero margins on each side, so that errors outside the image read as 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korva {

class ErrorRows {
  public:
    explicit ErrorRows(uint32_t width);
    // Moving keeps the row storage, and with it the row pointers; a copy would not.
    ErrorRows(const ErrorRows&) = delete;
    ErrorRows& operator=(const ErrorRows&) = delete;
    ErrorRows(ErrorRows&&) = default;

    // Decides pixel x of the current row from its level: true for white. The error kept is the level
    // with the diffused errors, less 255 for white.
    bool White(uint32_t x, int32_t level, int32_t threshold) {
        const uint32_t i = x + kMargin;
        const int32_t v = level + (above_[i] + current_[i - 1]) / 4 +
                          (twoAbove_[i] + above_[i - 1] + above_[i + 1] + current_[i - 2]) / 8;
        const bool white = v >= threshold;
        current_[i] = white ? v - 255 : v;
        return white;
    }

    // Moves on to the next row; the oldest row's entries are all rewritten before they are read again.
    void NextRow();

  private:
    static constexpr uint32_t kMargin = 2;

    std::vector<int32_t> storage_;
    int32_t* twoAbove_;
    int32_t* above_;
    int32_t* current_;
};

}  // namespace korva
