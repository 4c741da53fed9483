// Colour matching of the preview's working copy, between the adjustments and the 1:1 draw into the pane:
// through the colour-matching runtime on newer systems, through the system's image colour management on
// older ones.
#include <cstring>

#include "core/imaging/colour_match.h"
#include "ui/boundary/scan_ui.h"
#include "ui/mainwin/gdi_objects.h"

namespace korva {
namespace {

using DoColorMatch2Proc = BOOL(WINAPI*)(HDC, const BITMAPINFOHEADER*, BYTE*, const char*, const char*, DWORD);
constexpr char kNoColourSpace[] = "Can't Get ColorSpace";

static_assert(sizeof(LOGCOLORSPACEA) == kLogicalColourSpaceSize);

LOGCOLORSPACEA ToLogColorSpace(const LogicalColourSpace& description) {
    LOGCOLORSPACEA space;
    std::memcpy(&space, description.data(), sizeof space);
    return space;
}

}  // namespace

bool ScanUI::Match(const std::vector<uint8_t>& header, RenderedImage& image, HDC pane) {
    const ColourMatchPlan plan = PlanColourMatch(services_.system, Context().Text(ctx::modelName));
    if (plan.route == ColourMatchRoute::kSystem) {
        MatchThroughSystem(plan, header, image, pane);
        return true;
    }
    LibraryLoader::Entry entry = services_.libraries.Lookup(main_.colourMatching, kColourMatchEntry);
    if (!entry) {
        return false;
    }
    if (!plan.libraryProfile.empty()) {
        // The result is not looked at: a runtime that cannot convert leaves the pixels as they were.
        reinterpret_cast<DoColorMatch2Proc>(entry)(nullptr, reinterpret_cast<const BITMAPINFOHEADER*>(header.data()),
                                                   image.pixels.data(), plan.libraryProfile.c_str(), nullptr,
                                                   kColourMatchFlags);
    }
    return true;
}

// The system converts from the scanner's colour space to the display profile while the working copy is
// drawn into a memory bitmap; the converted pixels are read back into the working copy.
void ScanUI::MatchThroughSystem(const ColourMatchPlan& plan,
                                const std::vector<uint8_t>& header,
                                RenderedImage& image,
                                HDC pane) {
    LOGCOLORSPACEA display = ToLogColorSpace(DescribeColourSpace(plan.displayPath));
    LOGCOLORSPACEA scanner = ToLogColorSpace(DescribeColourSpace(plan.scannerPath));
    HCOLORSPACE paneSpace = ::GetColorSpace(pane);
    if (!paneSpace) {
        return;
    }
    if (!::GetLogColorSpaceA(paneSpace, &display, sizeof display)) {
        services_.messages.Show(0, kNoColourSpace, "", mb::kOk | mb::kIconExclamation);
        display = ToLogColorSpace(DescribeColourSpace(plan.displayPath));
    }
    OwnedBitmap bitmap(::CreateCompatibleBitmap(pane, image.width, image.height));
    if (!bitmap) {
        return;
    }
    HCOLORSPACE scannerSpace = nullptr;
    {
        MemoryDc memory(pane);
        if (!memory) {
            return;
        }
        ScopedSelect select(memory.Get(), bitmap.Get());
        scannerSpace = ::CreateColorSpaceA(&scanner);
        if (!scannerSpace) {
            return;
        }
        ::SetColorSpace(memory.Get(), scannerSpace);
        ::SetICMProfileA(memory.Get(), display.lcsFilename);
        ::SetICMMode(memory.Get(), ICM_ON);
        const UINT rows = static_cast<UINT>(image.height);
        ::SetDIBitsToDevice(memory.Get(), 0, 0, static_cast<DWORD>(image.width), rows, 0, 0, 0, rows,
                            image.pixels.data(), reinterpret_cast<const BITMAPINFO*>(header.data()), DIB_RGB_COLORS);
    }
    // Read back with the same header, once the bitmap is out of the memory context.
    std::vector<uint8_t> readHeader = header;
    ::GetDIBits(pane, bitmap.Get(), 0, static_cast<UINT>(image.height), image.pixels.data(),
                reinterpret_cast<BITMAPINFO*>(readHeader.data()), DIB_RGB_COLORS);
    ::DeleteColorSpace(scannerSpace);
}

}  // namespace korva
