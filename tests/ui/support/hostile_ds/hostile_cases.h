// What the hostile test data source HOSTILEDS.DS does wrong, chosen by the test before each call.
#pragma once

#include <windows.h>

#include <cstdint>

namespace korva::test {

// What "UIPreviewScan" returns.
enum class HostilePreview : int {
    kZeroHandle,
    kShorterThanHeader,  // a block of 20 bytes
    kWidthLies,          // a header claiming more columns than the block holds
    kHeightLies,
    kBitCountLies,  // 48 bits per pixel
    kSizeLies,      // biSizeImage beyond the block
    kNegativeHeight,
    kEightBit,  // a valid 8-bit bitmap with its colour table
    kThirtyTwoBit,
    kEnormous,  // 65536 x 65536 pixels claimed in a small block
    kCount,
};

// What the data source writes into the SourceContext before the module is activated.
enum class HostileContext : int {
    kResolutionCountBeyondTable,  // 65535 resolutions in a table of 32
    kNoResolutions,
    kZeroBed,
    kLevel99,
    kCount,
};

using HostileSetPreviewProc = void(WINAPI*)(int hostilePreview);
using HostileSpoilContextProc = void(WINAPI*)(uint8_t* context, int hostileContext);
// The window "UIFinalScan" sends message 1125 with unknown codes and command 213 to.
using HostileSetTargetProc = void(WINAPI*)(HWND main);
// How often "UIPreviewScan" was called.
using HostilePreviewCallsProc = int(WINAPI*)();

}  // namespace korva::test
