// The tab pictures (the two tab labels and the frame): 16-colour packed bitmaps whose colour-table entry 7
// takes the face colour when drawn, and the captions written over the two labels.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace korva {

inline constexpr int kTabFaceEntry = 7;

struct TabPictureLayout {
    size_t pixelOffset = 0;  // the header and 16 colour-table entries (64 bytes)
    size_t totalBytes = 0;   // with the rows
};

// Where a tab picture's rows start and the bytes it takes when copied out of its resource. None unless
// `resource` holds an uncompressed 4-bit bitmap with a full colour table and all its rows.
std::optional<TabPictureLayout> ParseTabPicture(std::span<const uint8_t> resource);

// Writes colour-table entry `kTabFaceEntry` of a tab picture checked by ParseTabPicture, in blue, green,
// red order.
void PutFaceColour(std::span<uint8_t> picture, uint8_t red, uint8_t green, uint8_t blue);

struct TabCaption {
    int controlId;
    int stringId;
};

// "  OCR/Line Art" on the OCR label and "Photo" on the Photo label.
inline constexpr std::array<TabCaption, 2> kTabCaptions{{{154, 470}, {155, 471}}};

struct CaptionFont {
    int height;
    int charSet;
    std::u16string_view face;
};

// The captions' font by the language letter: a Japanese Gothic face in the Shift-JIS character set for
// "J", else "Helv".
CaptionFont TabCaptionFont(char languageLetter);

}  // namespace korva
