#include "tools/datasource/scan_rendering.h"

#include <cstring>
#include <vector>

namespace korva::sim {

HGLOBAL PackDib(const tools::BitmapImage& image, double dpi) {
    const std::vector<uint8_t> dib = tools::EncodeDib(image, static_cast<uint32_t>(dpi / 0.0254 + 0.5));
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, dib.size());
    if (!memory) {
        return nullptr;
    }
    std::memcpy(::GlobalLock(memory), dib.data(), dib.size());
    ::GlobalUnlock(memory);
    return memory;
}

}  // namespace korva::sim
