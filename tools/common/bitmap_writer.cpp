#include "tools/common/bitmap_writer.h"

#include <cstdio>

namespace korva::tools {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

bool WriteBitmapFile(const std::string& path, const BitmapImage& image) {
    const uint32_t paletteBytes = static_cast<uint32_t>(image.palette.size() * 4);
    const uint32_t pixelOffset = 14 + 40 + paletteBytes;
    const auto imageBytes = static_cast<uint32_t>(image.Stride() * image.height);
    std::vector<uint8_t> header;
    Put16(header, 0x4D42);
    Put32(header, pixelOffset + imageBytes);
    Put32(header, 0);
    Put32(header, pixelOffset);
    Put32(header, 40);
    Put32(header, static_cast<uint32_t>(image.width));
    Put32(header, static_cast<uint32_t>(image.height));
    Put16(header, 1);
    Put16(header, static_cast<uint32_t>(image.bitsPerPixel));
    Put32(header, 0);
    Put32(header, imageBytes);
    Put32(header, 2835);
    Put32(header, 2835);
    Put32(header, static_cast<uint32_t>(image.palette.size()));
    Put32(header, 0);
    for (uint32_t entry : image.palette) {
        Put32(header, entry);
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    bool ok = std::fwrite(header.data(), 1, header.size(), file) == header.size();
    ok = ok && std::fwrite(image.rows.data(), 1, imageBytes, file) == imageBytes;
    return std::fclose(file) == 0 && ok;
}

}  // namespace korva::tools
