#include "core/imaging/thumbnail_fit.h"

namespace korva {

ThumbnailSize FitThumbnail(int32_t partWidth, int32_t partHeight, int32_t boxWidth, int32_t boxHeight) {
    ThumbnailSize size{boxWidth, boxHeight};
    if (partWidth <= 0 || partHeight <= 0 || boxWidth <= 0 || boxHeight <= 0) {
        return size;
    }
    const double part = static_cast<double>(partWidth) / partHeight;
    const double box = static_cast<double>(boxWidth) / boxHeight;
    if (part > box) {
        size.height = static_cast<int32_t>(boxWidth / part + 0.5);
    } else if (part < box) {
        size.width = static_cast<int32_t>(boxHeight * part + 0.5);
    }
    return size;
}

}  // namespace korva
