#include "core/preview/locate.h"

#include <algorithm>
#include <optional>

#include "core/preview/integer_math.h"
#include "core/preview/packed_dib.h"

namespace korva {
namespace {

constexpr int32_t kInsetSides = 17;
constexpr int32_t kInsetTop = 4;
constexpr int32_t kInsetBottom = 30;

struct Edges {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
};

// The area clipped to the picture; none when nothing of it lies on the picture.
std::optional<Rect> ClipToPicture(const DarkMask& mask, const Rect& area) {
    const Rect r{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, mask.width - 1),
                 std::min(area.bottom, mask.height - 1)};
    if (r.left > r.right || r.top > r.bottom) {
        return std::nullopt;
    }
    return r;
}

bool RowHasDarkByte(const DarkMask& mask, const Rect& area, int32_t y) {
    for (int32_t b = area.left / 8; b <= area.right / 8; ++b) {
        if (mask.ByteAt(b, y) != 0xFF) {
            return true;
        }
    }
    return false;
}

bool ColumnHasDarkPixel(const DarkMask& mask, const Rect& area, int32_t x) {
    for (int32_t y = area.top; y <= area.bottom; ++y) {
        if (mask.IsDark(x, y)) {
            return true;
        }
    }
    return false;
}

Edges EdgesCrossingDark(const DarkMask& mask, const Rect& area) {
    return {RowHasDarkByte(mask, area, area.top), RowHasDarkByte(mask, area, area.bottom),
            ColumnHasDarkPixel(mask, area, area.left), ColumnHasDarkPixel(mask, area, area.right)};
}

// The bounding box of the dark pixels in the whole bytes the area spans; `box` stays when there are none.
void SearchDark(const DarkMask& mask, const Rect& searchArea, int32_t viewWidth, int32_t viewHeight, Rect& box) {
    const auto area = ClipToPicture(mask, searchArea);
    if (!area) {
        return;
    }
    int32_t minX = mask.width;
    int32_t maxX = -1;
    int32_t minY = mask.height;
    int32_t maxY = -1;
    for (int32_t y = area->top; y <= area->bottom; ++y) {
        for (int32_t b = area->left / 8; b <= area->right / 8; ++b) {
            const uint8_t byte = mask.ByteAt(b, y);
            if (byte == 0xFF) {
                continue;
            }
            for (int32_t bit = 0; bit < 8; ++bit) {
                if ((byte & (0x80 >> bit)) == 0) {
                    minX = std::min(minX, b * 8 + bit);
                    maxX = std::max(maxX, b * 8 + bit);
                }
            }
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    if (maxX < 0) {
        return;
    }
    box.left = std::max(minX, searchArea.left);
    box.right = Low32(std::min<int64_t>(maxX + 1, int64_t{viewWidth} - 2));
    box.top = std::max(minY - 1, 0);
    box.bottom = Low32(std::min<int64_t>({maxY, int64_t{box.top} + mask.height - 1, int64_t{viewHeight} - 2}));
}

}  // namespace

bool DarkMask::IsDark(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return false;
    }
    return (ByteAt(x / 8, y) & (0x80 >> (x % 8))) == 0;
}

uint8_t DarkMask::ByteAt(int32_t byteIndex, int32_t y) const {
    const size_t row = static_cast<size_t>(height - 1 - y);
    return bits[row * stride + static_cast<size_t>(byteIndex)];
}

DarkMask MakeDarkMask(std::span<const uint8_t> packedDib, bool darkDocument) {
    const auto layout = ParsePackedDib(packedDib);
    if (!layout || layout->bitCount != 24) {
        return {};
    }
    const int32_t threshold = darkDocument ? 192 : 127;
    DarkMask mask;
    mask.width = layout->width;
    mask.height = layout->height;
    mask.stride = static_cast<uint32_t>((uint64_t{static_cast<uint32_t>(layout->width)} + 31) / 32 * 4);
    mask.bits.assign(size_t{mask.stride} * static_cast<uint32_t>(layout->height), 0xFF);
    for (size_t row = 0; row < static_cast<size_t>(layout->height); ++row) {
        const uint8_t* pixel = packedDib.data() + layout->pixelOffset + row * layout->stride;
        uint8_t* out = mask.bits.data() + row * mask.stride;
        for (size_t x = 0; x < static_cast<size_t>(layout->width); ++x, pixel += 3) {
            const int32_t level = (2 * pixel[2] + 6 * pixel[1] + 2 * pixel[0]) / 10;
            if (level <= threshold) {
                out[x / 8] = static_cast<uint8_t>(out[x / 8] & ~(0x80 >> (x % 8)));
            }
        }
    }
    return mask;
}

Rect LocatePicture(const DarkMask& mask, const Rect& currentRect, int32_t viewWidth, int32_t viewHeight) {
    Rect box = currentRect;
    if (mask.width <= 0 || mask.height <= 0) {
        return box;
    }
    const bool hasMarquee = !currentRect.IsEmpty();
    const Rect searchArea = hasMarquee ? currentRect
                                       : Rect{kInsetSides, kInsetTop, Low32(int64_t{viewWidth} - 1 - kInsetSides),
                                              Low32(int64_t{viewHeight} - 1 - kInsetBottom)};
    const auto clipped = ClipToPicture(mask, searchArea);
    const Edges crossing = hasMarquee && clipped ? EdgesCrossingDark(mask, *clipped) : Edges{};
    SearchDark(mask, searchArea, viewWidth, viewHeight, box);
    if (crossing.top) {
        SearchDark(mask, {box.left, 0, box.right, box.bottom}, viewWidth, viewHeight, box);
    }
    if (crossing.bottom) {
        SearchDark(mask, {box.left, box.top, box.right, mask.height - 1}, viewWidth, viewHeight, box);
    }
    if (crossing.left) {
        SearchDark(mask, {0, box.top, box.right, box.bottom}, viewWidth, viewHeight, box);
    }
    if (crossing.right) {
        SearchDark(mask, {box.left, box.top, mask.width - 1, box.bottom}, viewWidth, viewHeight, box);
    }
    return box;
}

}  // namespace korva
