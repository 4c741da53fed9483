// An image ready to be drawn: bottom-up rows padded to 4 bytes of 24, 8, 4 or 1 bits per pixel, with the
// colour table the narrower formats index, and the info header a device-independent drawing call takes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace korva {

// One colour-table entry, in the byte order of a bitmap's colour table.
struct DibColour {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    uint8_t reserved = 0;

    friend bool operator==(const DibColour&, const DibColour&) = default;
};

struct RenderedImage {
    std::vector<uint8_t> pixels;  // `height` rows of `rowBytes`, bottom row first
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitsPerPixel = 24;
    uint32_t rowBytes = 0;
    std::vector<DibColour> colours;  // empty for 24 bits
};

// Bytes of one row of `width` pixels at `bitsPerPixel`, padded to a multiple of 4.
uint32_t PaddedRowBytes(int32_t width, uint16_t bitsPerPixel);

// Reinterprets the image's buffer as rows of the narrower format (written over it in place by the
// renderers) and drops the bytes beyond them.
void NarrowImage(RenderedImage& image, uint16_t bitsPerPixel);

// Rewrites the 24-bit rows as rows of `bitsPerPixel` over the same buffer, in memory order: a narrower
// row never reaches past the 24-bit bytes not yet read. `writeRow(source, out, y)` writes row y from its
// first byte and returns the end of what it wrote; `padding` fills the rest of the padded row.
template <typename RowWriter>
void NarrowRowsInPlace(RenderedImage& image, uint16_t bitsPerPixel, uint8_t padding, RowWriter&& writeRow) {
    const size_t sourceRowBytes = image.rowBytes;
    const size_t rowBytes = PaddedRowBytes(image.width, bitsPerPixel);
    uint8_t* base = image.pixels.data();
    for (uint32_t y = 0; y < static_cast<uint32_t>(image.height); ++y) {
        uint8_t* out = base + y * rowBytes;
        uint8_t* end = writeRow(static_cast<const uint8_t*>(base + y * sourceRowBytes), out, y);
        std::fill(end, out + rowBytes, padding);
    }
    NarrowImage(image, bitsPerPixel);
}

// The 40-byte info header (1 plane, no compression, size of the rows, colours used = the colour-table
// size) followed by the colour table.
std::vector<uint8_t> InfoHeaderWithColours(const RenderedImage& image);

}  // namespace korva
