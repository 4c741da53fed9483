// The six pixel types that image types refer to: name, colour class and bits per pixel.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/string_table.h"

namespace korva {

enum class ColourClass : int32_t { kBlackWhite = 0, kGrey = 1, kColour = 2, kPalette = 3 };

struct PixelTypeInfo {
    std::string name;  // at most 23 characters
    ColourClass colourClass = ColourClass::kColour;
    uint16_t bitsPerPixel = 24;
};

inline constexpr int kPixelTypeCount = 6;
inline constexpr int kPixelType24BitColour = 1;

using PixelTypeTable = std::array<PixelTypeInfo, kPixelTypeCount>;

// The table with its names from the string table (strings 200-205).
PixelTypeTable LoadPixelTypes(StringTable& strings);

// The row of a pixel-type number, or null when the number names none.
const PixelTypeInfo* FindPixelType(const PixelTypeTable& table, int32_t pixelType);

// Which of a destination's two proposed resolutions applies: 1 below 8 bits per pixel, else 2.
int DepthClass(const PixelTypeInfo& type);

}  // namespace korva
