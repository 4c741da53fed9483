// The About box: its minimum size and placement on the desktop, and the version line written into the
// white field of its picture.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korva {

inline constexpr int32_t kAboutMinWidth = 486;
inline constexpr int32_t kAboutMinHeight = 206;

struct AboutPlacement {
    bool grow = false;  // the box is smaller than the minimum and takes this place and size
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// A box of `boxWidth` x `boxHeight` pixels grows to at least the minimum size and is then centred on the
// desktop; a box that is large enough keeps its place.
AboutPlacement PlaceAboutBox(int32_t desktopWidth, int32_t desktopHeight, int32_t boxWidth, int32_t boxHeight);

// "for Veravodozod Ver. 1.10E" for "Version 1.10E": the version part of `versionString` (from its first
// decimal digit among the first 40 characters to the next white space), or "0" when those hold no digit.
std::string AboutVersionLine(std::string_view versionString);

struct TextOrigin {
    int32_t x = 0;
    int32_t y = 0;
};

// Where the version line starts in a picture of `pictureWidth` x `pictureHeight` pixels: further left
// with window captions taller than 20 pixels, whose fonts are larger.
TextOrigin AboutVersionOrigin(int32_t pictureWidth, int32_t pictureHeight, int32_t captionHeight);

}  // namespace korva
