#include "core/imaging/error_diffusion.h"

namespace korva {

ErrorRows::ErrorRows(uint32_t width) : storage_(3 * (std::size_t{width} + 2 * kMargin), 0) {
    const std::size_t rowEntries = std::size_t{width} + 2 * kMargin;
    twoAbove_ = storage_.data();
    above_ = twoAbove_ + rowEntries;
    current_ = above_ + rowEntries;
}

void ErrorRows::NextRow() {
    int32_t* oldest = twoAbove_;
    twoAbove_ = above_;
    above_ = current_;
    current_ = oldest;
}

}  // namespace korva
