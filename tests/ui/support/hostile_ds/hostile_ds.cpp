// HOSTILEDS.DS: a data source for tests that breaks every promise a data source makes to the module:
// previews that are missing, short, lying or of the wrong depth, a SourceContext out of range, and
// messages that arrive when nothing asked for them.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>

#include "korva/source_context_layout.h"
#include "tests/ui/support/hostile_ds/hostile_cases.h"

namespace {

using korva::test::HostileContext;
using korva::test::HostilePreview;

HostilePreview g_preview = HostilePreview::kZeroHandle;
HWND g_target = nullptr;
int g_previewCalls = 0;

void Put32(uint8_t* bytes, size_t offset, uint32_t value) {
    std::memcpy(bytes + offset, &value, sizeof value);
}

void Put16(uint8_t* bytes, size_t offset, uint16_t value) {
    std::memcpy(bytes + offset, &value, sizeof value);
}

// A global block of `size` bytes starting with an info header for the given picture.
HGLOBAL Bitmap(size_t size, int32_t width, int32_t height, uint16_t bitCount, uint32_t sizeImage) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* bytes = block ? static_cast<uint8_t*>(::GlobalLock(block)) : nullptr;
    if (!bytes) {
        return block;
    }
    if (size >= 40) {
        Put32(bytes, 0, 40);
        Put32(bytes, 4, static_cast<uint32_t>(width));
        Put32(bytes, 8, static_cast<uint32_t>(height));
        Put16(bytes, 12, 1);
        Put16(bytes, 14, bitCount);
        Put32(bytes, 20, sizeImage);
    }
    ::GlobalUnlock(block);
    return block;
}

// The block of each HostilePreview, in its order: its size (none when 0) and what its header claims.
struct PreviewBlock {
    size_t size;
    int32_t width;
    int32_t height;
    uint16_t bitCount;
    uint32_t sizeImage;
};
constexpr PreviewBlock kPreviews[] = {
    {0, 0, 0, 0, 0},                                   // kZeroHandle
    {20, 0, 0, 0, 0},                                  // kShorterThanHeader
    {40 + 12 * 4, 4000, 4, 24, 48},                    // kWidthLies
    {40 + 12 * 4, 4, 4000, 24, 48},                    // kHeightLies
    {40 + 12 * 4, 4, 4, 48, 48},                       // kBitCountLies
    {40 + 12 * 4, 4, 4, 24, 0x7FFFFFF0},               // kSizeLies
    {40 + 12 * 4, 4, -4, 24, 48},                      // kNegativeHeight
    {40 + 1024 + 4 * 4, 4, 4, 8, 16},                  // kEightBit
    {40 + 16 * 4, 4, 4, 32, 64},                       // kThirtyTwoBit
    {40 + 12 * 4, 0x10000, 0x10000, 24, 0xFFFFFFF0u},  // kEnormous
};
static_assert(std::size(kPreviews) == static_cast<size_t>(HostilePreview::kCount));

}  // namespace

extern "C" void WINAPI HostileDs_SetPreview(int hostilePreview) {
    g_preview = static_cast<HostilePreview>(hostilePreview);
}

extern "C" void WINAPI HostileDs_SetTarget(HWND main) {
    g_target = main;
}

extern "C" void WINAPI HostileDs_SpoilContext(uint8_t* context, int hostileContext) {
    switch (static_cast<HostileContext>(hostileContext)) {
        case HostileContext::kResolutionCountBeyondTable:
            for (size_t i = 0; i < 32; ++i) {
                Put16(context, KORVA_OFS_resolutionList + 2 * i, static_cast<uint16_t>(100 * (i + 1)));
            }
            Put16(context, KORVA_OFS_resolutionCount, 0xFFFF);
            break;
        case HostileContext::kNoResolutions:
            std::memset(context + KORVA_OFS_resolutionList, 0, 64);
            Put16(context, KORVA_OFS_resolutionCount, 0);
            break;
        case HostileContext::kZeroBed:
            for (size_t offset :
                 {KORVA_OFS_bedWidth0, KORVA_OFS_bedHeight0, KORVA_OFS_bedWidth1, KORVA_OFS_bedHeight1}) {
                Put32(context, offset, 0);
            }
            break;
        case HostileContext::kLevel99:
            Put32(context, KORVA_OFS_level, 99);
            break;
        case HostileContext::kCount:
            break;
    }
}

extern "C" int WINAPI HostileDs_PreviewCalls(void) {
    return g_previewCalls;
}

extern "C" LONG_PTR WINAPI UIPreviewScan(void) {
    ++g_previewCalls;
    const auto index = static_cast<size_t>(g_preview);
    if (index >= std::size(kPreviews) || kPreviews[index].size == 0) {
        return 0;
    }
    const PreviewBlock& p = kPreviews[index];
    return reinterpret_cast<LONG_PTR>(Bitmap(p.size, p.width, p.height, p.bitCount, p.sizeImage));
}

extern "C" LONG_PTR WINAPI UIFinalScan(void) {
    if (g_target) {
        ::SendMessageA(g_target, KORVA_MSG_BUSY, 7, 0x7777);
        ::SendMessageA(g_target, KORVA_MSG_BUSY, 0xFFFF, -1);
        ::SendMessageA(g_target, WM_COMMAND, MAKEWPARAM(KORVA_CMD_NEXT_MARQUEE, 0), 0);
        ::SendMessageA(g_target, KORVA_MSG_BUSY, 0, 0);
    }
    return 1;
}

extern "C" LONG_PTR WINAPI UICloseScan(void) {
    return 1;
}
