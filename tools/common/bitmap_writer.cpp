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

std::vector<uint8_t> EncodeDib(const BitmapImage& image, uint32_t pixelsPerMetre) {
    const auto imageBytes = static_cast<uint32_t>(image.Stride() * image.height);
    std::vector<uint8_t> out;
    out.reserve(40 + image.palette.size() * 4 + imageBytes);
    PutLe32(out, 40);
    PutLe32(out, static_cast<uint32_t>(image.width));
    PutLe32(out, static_cast<uint32_t>(image.height));
    PutLe16(out, 1);
    PutLe16(out, static_cast<uint32_t>(image.bitsPerPixel));
    PutLe32(out, 0);
    PutLe32(out, imageBytes);
    PutLe32(out, pixelsPerMetre);
    PutLe32(out, pixelsPerMetre);
    PutLe32(out, static_cast<uint32_t>(image.palette.size()));
    PutLe32(out, 0);
    for (uint32_t entry : image.palette) {
        PutLe32(out, entry);
    }
    out.insert(out.end(), image.rows.begin(), image.rows.begin() + imageBytes);
    return out;
}

std::vector<uint8_t> EncodeBitmapFile(const BitmapImage& image) {
    const std::vector<uint8_t> dib = EncodeDib(image, 2835);
    const uint32_t pixelOffset = static_cast<uint32_t>(14 + 40 + image.palette.size() * 4);
    std::vector<uint8_t> out;
    out.reserve(14 + dib.size());
    PutLe16(out, 0x4D42);
    PutLe32(out, static_cast<uint32_t>(14 + dib.size()));
    PutLe32(out, 0);
    PutLe32(out, pixelOffset);
    out.insert(out.end(), dib.begin(), dib.end());
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
