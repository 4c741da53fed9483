#include "tools/datasource/scan_rendering.h"

#include <cstring>

namespace korva::sim {

HGLOBAL PackPreview(const tools::BitmapImage& image, double dpi) {
    const size_t imageBytes = image.Stride() * image.height;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + imageBytes);
    if (!memory) {
        return nullptr;
    }
    auto* header = static_cast<BITMAPINFOHEADER*>(::GlobalLock(memory));
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = image.width;
    header->biHeight = image.height;
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(imageBytes);
    header->biXPelsPerMeter = header->biYPelsPerMeter = static_cast<LONG>(dpi / 0.0254 + 0.5);
    std::memcpy(header + 1, image.rows.data(), imageBytes);
    ::GlobalUnlock(memory);
    return memory;
}

}  // namespace korva::sim
