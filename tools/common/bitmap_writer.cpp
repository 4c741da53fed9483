#include "tools/common/bitmap_writer.h"

#include <cstdio>

namespace korva::tools {

void PutLe16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

std::vector<uint8_t> EncodeBitmapFile(const BitmapImage& image) {
    const uint32_t paletteBytes = static_cast<uint32_t>(image.palette.size() * 4);
    const uint32_t pixelOffset = 14 + 40 + paletteBytes;
    const auto imageBytes = static_cast<uint32_t>(image.Stride() * image.height);
    std::vector<uint8_t> out;
    out.reserve(pixelOffset + imageBytes);
    PutLe16(out, 0x4D42);
    PutLe32(out, pixelOffset + imageBytes);
    PutLe32(out, 0);
    PutLe32(out, pixelOffset);
    PutLe32(out, 40);
    PutLe32(out, static_cast<uint32_t>(image.width));
    PutLe32(out, static_cast<uint32_t>(image.height));
    PutLe16(out, 1);
    PutLe16(out, static_cast<uint32_t>(image.bitsPerPixel));
    PutLe32(out, 0);
    PutLe32(out, imageBytes);
    PutLe32(out, 2835);
    PutLe32(out, 2835);
    PutLe32(out, static_cast<uint32_t>(image.palette.size()));
    PutLe32(out, 0);
    for (uint32_t entry : image.palette) {
        PutLe32(out, entry);
    }
    out.insert(out.end(), image.rows.begin(), image.rows.begin() + imageBytes);
    return out;
}

bool WriteBitmapFile(const std::string& path, const BitmapImage& image) {
    const std::vector<uint8_t> bytes = EncodeBitmapFile(image);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace korva::tools
