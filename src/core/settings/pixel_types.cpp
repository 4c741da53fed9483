#include "core/settings/pixel_types.h"

#include "core/settings/fixed_text.h"

namespace korva {
namespace {

constexpr int kFirstNameString = 200;
constexpr size_t kNameCapacity = 24;

struct PixelTypeRow {
    ColourClass colourClass;
    uint16_t bitsPerPixel;
};

constexpr PixelTypeRow kRows[kPixelTypeCount] = {
    {ColourClass::kColour, 48}, {ColourClass::kColour, 24}, {ColourClass::kPalette, 8},
    {ColourClass::kGrey, 16},   {ColourClass::kGrey, 8},    {ColourClass::kBlackWhite, 1},
};

}  // namespace

PixelTypeTable LoadPixelTypes(StringTable& strings) {
    PixelTypeTable table;
    for (int i = 0; i < kPixelTypeCount; ++i) {
        table[i].name = Bounded(strings.Load(kFirstNameString + i), kNameCapacity);
        table[i].colourClass = kRows[i].colourClass;
        table[i].bitsPerPixel = kRows[i].bitsPerPixel;
    }
    return table;
}

const PixelTypeInfo* FindPixelType(const PixelTypeTable& table, int32_t pixelType) {
    if (pixelType < 0 || pixelType >= kPixelTypeCount) {
        return nullptr;
    }
    return &table[static_cast<size_t>(pixelType)];
}

int DepthClass(const PixelTypeInfo& type) {
    return type.bitsPerPixel < 8 ? 1 : 2;
}

}  // namespace korva
