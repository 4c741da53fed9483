// Writing bottom-up device-independent pixels as a Windows bitmap file, for the simulator's scans and
// the host's screenshots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korva::tools {

struct BitmapImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;          // 1, 8 or 24
    std::vector<uint32_t> palette;  // 0x00RRGGBB entries for 1 and 8 bits per pixel
    std::vector<uint8_t> rows;      // bottom-up, each row padded to 4 bytes

    size_t Stride() const { return ((static_cast<size_t>(width) * bitsPerPixel + 31) / 32) * 4; }
};

// Little-endian values appended to a byte list.
void PutLe16(std::vector<uint8_t>& out, uint32_t v);
void PutLe32(std::vector<uint8_t>& out, uint32_t v);

// A packed device-independent bitmap: info header, colour table, rows.
std::vector<uint8_t> EncodeDib(const BitmapImage& image, uint32_t pixelsPerMetre);

// The bytes of the bitmap file: file header, then the packed bitmap.
std::vector<uint8_t> EncodeBitmapFile(const BitmapImage& image);

bool WriteBitmapFile(const std::string& path, const BitmapImage& image);

}  // namespace korva::tools
