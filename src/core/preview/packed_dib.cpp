#include "core/preview/packed_dib.h"

#include <limits>

namespace korva {

uint16_t ReadU16(std::span<const uint8_t> b, size_t offset) {
    return static_cast<uint16_t>(b[offset] | (b[offset + 1] << 8));
}

uint32_t ReadU32(std::span<const uint8_t> b, size_t offset) {
    return static_cast<uint32_t>(b[offset]) | (static_cast<uint32_t>(b[offset + 1]) << 8) |
           (static_cast<uint32_t>(b[offset + 2]) << 16) | (static_cast<uint32_t>(b[offset + 3]) << 24);
}

void WriteU16(std::span<uint8_t> b, size_t offset, uint16_t value) {
    b[offset] = static_cast<uint8_t>(value);
    b[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void WriteU32(std::span<uint8_t> b, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        b[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

std::optional<DibLayout> ParsePackedDib(std::span<const uint8_t> bytes) {
    if (bytes.size() < kInfoHeaderBytes) {
        return std::nullopt;
    }
    const uint64_t headerSize = ReadU32(bytes, dib::kSize);
    const auto width = static_cast<int32_t>(ReadU32(bytes, dib::kWidth));
    const auto height = static_cast<int32_t>(ReadU32(bytes, dib::kHeight));
    const uint16_t bitCount = ReadU16(bytes, dib::kBitCount);
    const uint32_t compression = ReadU32(bytes, dib::kCompression);
    const uint64_t sizeImage = ReadU32(bytes, dib::kSizeImage);
    const uint64_t colours = ReadU32(bytes, dib::kClrUsed);
    if (headerSize < kInfoHeaderBytes || headerSize > bytes.size() || width <= 0 || height <= 0 || compression != 0) {
        return std::nullopt;
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return std::nullopt;
    }
    if (uint64_t{static_cast<uint32_t>(width)} * static_cast<uint32_t>(height) > std::numeric_limits<uint32_t>::max()) {
        return std::nullopt;
    }
    const uint64_t tableEntries = colours != 0 ? colours : (bitCount <= 8 ? uint64_t{1} << bitCount : 0);
    if (bitCount <= 8 && tableEntries > (uint64_t{1} << bitCount)) {
        return std::nullopt;
    }
    const uint64_t stride = (uint64_t{static_cast<uint32_t>(width)} * bitCount + 31) / 32 * 4;
    const uint64_t pixelBytes = stride * static_cast<uint32_t>(height);
    const uint64_t pixelOffset = headerSize + tableEntries * 4;
    if (pixelBytes > std::numeric_limits<int32_t>::max() || pixelOffset > bytes.size() ||
        sizeImage > bytes.size() - pixelOffset || pixelBytes > bytes.size() - pixelOffset) {
        return std::nullopt;
    }
    DibLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    layout.stride = static_cast<uint32_t>(stride);
    layout.pixelOffset = static_cast<size_t>(pixelOffset);
    return layout;
}

std::optional<DibLayout> ParsePreviewDib(std::span<const uint8_t> bytes) {
    const std::optional<DibLayout> layout = ParsePackedDib(bytes);
    if (!layout || layout->bitCount != 24 || ReadU32(bytes, dib::kSize) != kInfoHeaderBytes ||
        ReadU32(bytes, dib::kSizeImage) < uint64_t{layout->stride} * static_cast<uint32_t>(layout->height)) {
        return std::nullopt;
    }
    return layout;
}

uint32_t Stride24(int32_t width) {
    return static_cast<uint32_t>((uint64_t{static_cast<uint32_t>(width)} * 24 + 31) / 32 * 4);
}

PackedDib MakePackedDib24(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || width > kMaxMadeSide || height > kMaxMadeSide) {
        return {};
    }
    const uint32_t sizeImage = Stride24(width) * static_cast<uint32_t>(height);
    PackedDib bitmap(kInfoHeaderBytes + sizeImage, 0);
    WriteU32(bitmap, dib::kSize, kInfoHeaderBytes);
    WriteU32(bitmap, dib::kWidth, static_cast<uint32_t>(width));
    WriteU32(bitmap, dib::kHeight, static_cast<uint32_t>(height));
    WriteU16(bitmap, dib::kPlanes, 1);
    WriteU16(bitmap, dib::kBitCount, 24);
    WriteU32(bitmap, dib::kSizeImage, sizeImage);
    return bitmap;
}

}  // namespace korva
