#include "core/mainwin/document_sizes.h"

#include <array>
#include <cstdlib>

namespace korva {
namespace {

constexpr std::array<DocumentSize, 6> kSizes = {{
    {kSizeA5, "5.83", "8.27", 1.33f},
    {kSizeB5, "7.17", "10.12", 0.66f},
    {kSizeA4, "8.27", "11.7", 0.11f},
    {kSizeCard, "3.54", "2.17", 2.48f},
    {kSizeLetter, "8.50", "11.00", 0.0f},
    {kSizeMax, "0", "0", 0.0f},
}};

}  // namespace

std::optional<DocumentSize> FindDocumentSize(int32_t id) {
    for (const DocumentSize& size : kSizes) {
        if (size.id == id) {
            return size;
        }
    }
    return std::nullopt;
}

Rect DocumentSizeSelection(int32_t id, int32_t previewWidth, uint32_t documentWidth) {
    const std::optional<DocumentSize> size = FindDocumentSize(id);
    if (!size || id == kSizeMax || documentWidth == 0 || previewWidth <= 0) {
        return Rect{};
    }
    const uint32_t p = static_cast<uint32_t>(previewWidth) * 100u / documentWidth;
    // The sizes are held as single-precision floats; the products are formed in double precision, so
    // that 11.7 (slightly below 11.7 as a float) at 40 pixels per inch gives 467, not a rounded 468.
    const double width = std::strtof(size->width, nullptr);
    const double height = std::strtof(size->height, nullptr);
    const double perInch = p;
    Rect selection;
    selection.left = static_cast<int32_t>(perInch * size->leftOffset);
    selection.top = 0;
    selection.right = static_cast<int32_t>(selection.left + perInch * width);
    selection.bottom = static_cast<int32_t>(selection.top + perInch * height);
    return selection;
}

}  // namespace korva
