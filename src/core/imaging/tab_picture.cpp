#include "core/imaging/tab_picture.h"

#include "core/preview/packed_dib.h"

namespace korva {
namespace {

constexpr uint16_t kTabBitCount = 4;
constexpr size_t kTabColourTableBytes = 16 * 4;
constexpr int kShiftJisCharSet = 128;
constexpr int kAnsiCharSet = 0;

}  // namespace

std::optional<TabPictureLayout> ParseTabPicture(std::span<const uint8_t> resource) {
    const std::optional<DibLayout> layout = ParsePackedDib(resource);
    if (!layout || layout->bitCount != kTabBitCount ||
        layout->pixelOffset != ReadU32(resource, dib::kSize) + kTabColourTableBytes) {
        return std::nullopt;
    }
    return TabPictureLayout{layout->pixelOffset, layout->pixelOffset + static_cast<size_t>(layout->stride) *
                                                                           static_cast<size_t>(layout->height)};
}

void PutFaceColour(std::span<uint8_t> picture, uint8_t red, uint8_t green, uint8_t blue) {
    const size_t entry = ReadU32(picture, dib::kSize) + kTabFaceEntry * 4;
    picture[entry] = blue;
    picture[entry + 1] = green;
    picture[entry + 2] = red;
}

CaptionFont TabCaptionFont(char languageLetter) {
    if (languageLetter == 'J') {
        return {12, kShiftJisCharSet, u"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF"};
    }
    return {14, kAnsiCharSet, u"Helv"};
}

}  // namespace korva
