#include "core/imaging/rendered_image.h"

#include "core/preview/packed_dib.h"

namespace korva {

uint32_t PaddedRowBytes(int32_t width, uint16_t bitsPerPixel) {
    return static_cast<uint32_t>((uint64_t{static_cast<uint32_t>(width)} * bitsPerPixel + 31) / 32 * 4);
}

void NarrowImage(RenderedImage& image, uint16_t bitsPerPixel) {
    image.bitsPerPixel = bitsPerPixel;
    image.rowBytes = PaddedRowBytes(image.width, bitsPerPixel);
    image.pixels.resize(static_cast<size_t>(image.rowBytes) * static_cast<uint32_t>(image.height));
}

std::vector<uint8_t> InfoHeaderWithColours(const RenderedImage& image) {
    std::vector<uint8_t> header(kInfoHeaderBytes + 4 * image.colours.size(), 0);
    WriteU32(header, dib::kSize, kInfoHeaderBytes);
    WriteU32(header, dib::kWidth, static_cast<uint32_t>(image.width));
    WriteU32(header, dib::kHeight, static_cast<uint32_t>(image.height));
    WriteU16(header, dib::kPlanes, 1);
    WriteU16(header, dib::kBitCount, image.bitsPerPixel);
    WriteU32(header, dib::kSizeImage, image.rowBytes * static_cast<uint32_t>(image.height));
    WriteU32(header, dib::kClrUsed, static_cast<uint32_t>(image.colours.size()));
    uint8_t* entry = header.data() + kInfoHeaderBytes;
    for (const DibColour& colour : image.colours) {
        *entry++ = colour.blue;
        *entry++ = colour.green;
        *entry++ = colour.red;
        *entry++ = colour.reserved;
    }
    return header;
}

}  // namespace korva
