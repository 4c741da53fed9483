// Packed device-independent bitmaps as the data source hands them over and the image files hold them:
// a 40-byte (or longer) info header, an optional colour table and bottom-up rows padded to 4 bytes.
// Header fields are read and written at their little-endian offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korva {

using PackedDib = std::vector<uint8_t>;

inline constexpr uint32_t kInfoHeaderBytes = 40;

// Offsets in the info header.
namespace dib {
inline constexpr size_t kSize = 0;
inline constexpr size_t kWidth = 4;
inline constexpr size_t kHeight = 8;
inline constexpr size_t kPlanes = 12;
inline constexpr size_t kBitCount = 14;
inline constexpr size_t kCompression = 16;
inline constexpr size_t kSizeImage = 20;
inline constexpr size_t kXPelsPerMeter = 24;
inline constexpr size_t kYPelsPerMeter = 28;
inline constexpr size_t kClrUsed = 32;
inline constexpr size_t kClrImportant = 36;
}  // namespace dib

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t offset);
uint32_t ReadU32(std::span<const uint8_t> bytes, size_t offset);
void WriteU16(std::span<uint8_t> bytes, size_t offset, uint16_t value);
void WriteU32(std::span<uint8_t> bytes, size_t offset, uint32_t value);

// A checked view of a packed bitmap's header.
struct DibLayout {
    int32_t width = 0;
    int32_t height = 0;  // rows, stored bottom-up
    uint16_t bitCount = 0;
    uint32_t stride = 0;     // bytes of one row, padded to 4
    size_t pixelOffset = 0;  // from the start of the packed bitmap: the header and the colour table
};

// None unless the bitmap is uncompressed, bottom-up, at least 1 x 1, of 1, 4, 8, 16, 24 or 32 bits per
// pixel, and its header, colour table, biSizeImage and rows (width x height within 32 bits) all lie
// within `bytes`.
std::optional<DibLayout> ParsePackedDib(std::span<const uint8_t> bytes);

// The layout of a picture the module takes as a preview, or none: a packed bitmap as above with 24 bits
// per pixel, a 40-byte header and a biSizeImage that covers its rows, so that the picture can be shown
// and written to the preview file and read back from it.
std::optional<DibLayout> ParsePreviewDib(std::span<const uint8_t> bytes);

// Bytes of one 24-bit row of `width` pixels, padded to 4.
uint32_t Stride24(int32_t width);

// A black 24-bit bitmap with a 40-byte header whose biSizeImage holds the padded rows; empty unless both
// sides lie in 1..kMaxMadeSide.
inline constexpr int32_t kMaxMadeSide = 16384;
PackedDib MakePackedDib24(int32_t width, int32_t height);

}  // namespace korva
