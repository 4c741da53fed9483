// Draws the preview with the present settings: the adjustment pipeline runs on a copy of the preview
// and its result goes to the pane 1:1, as true colour, through a logical palette, or as line art.
#include <optional>
#include <vector>

#include "core/imaging/logical_palette.h"
#include "core/imaging/preview_adjustments.h"
#include "core/settings/calibration.h"
#include "ui/boundary/scan_ui.h"

namespace korva {
namespace {

DisplayKind DisplayKindOf(HDC dc) {
    return ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES) > 8 ? DisplayKind::kTrueColour
                                                                            : DisplayKind::kPalette;
}

SystemPalette SystemPaletteOf(HDC dc) {
    std::vector<PALETTEENTRY> entries(256);
    ::GetSystemPaletteEntries(dc, 0, 256, entries.data());
    SystemPalette system{};
    for (size_t i = 0; i < system.size(); ++i) {
        system[i] = PaletteEntry{entries[i].peRed, entries[i].peGreen, entries[i].peBlue, entries[i].peFlags};
    }
    return system;
}

HPALETTE CreatePaletteFrom(const LogicalPalette& palette) {
    std::vector<uint8_t> bytes(sizeof(LOGPALETTE) + palette.entries.size() * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(bytes.data());
    logical->palVersion = palette.version;
    logical->palNumEntries = static_cast<WORD>(palette.entries.size());
    for (size_t i = 0; i < palette.entries.size(); ++i) {
        const PaletteEntry& entry = palette.entries[i];
        logical->palPalEntry[i] = PALETTEENTRY{entry.red, entry.green, entry.blue, entry.flags};
    }
    return ::CreatePalette(logical);
}

}  // namespace

void ScanUI::ReleasePanePalette() {
    if (panePalette_) {
        ::DeleteObject(panePalette_);
        panePalette_ = nullptr;
    }
}

void ScanUI::DrawAdjustedPreview(HDC dc) {
    LockedDib preview(previewImage_);
    const DisplayKind display = DisplayKindOf(dc);
    PreviewAdjustments adjustments = AdjustmentsFor(settings_, preview.Bytes(), main_.optionUnit, display);
    adjustments.invert = main_.invert != 0;
    adjustments.checkScreenCalibration = [this] {
        Services services = ServicesNow();
        return CheckScreenCalibration(settings_, services, Context());
    };
    std::optional<PreviewRendering> rendering = RenderPreview(adjustments, toneTables_);
    if (!rendering) {
        return;
    }
    RenderedImage& image = rendering->image;
    const std::vector<uint8_t> header = InfoHeaderWithColours(image);
    if (rendering->colourMatch && !Match(header, image, dc)) {
        return;
    }
    HPALETTE previous = nullptr;
    if (rendering->makeDisplayPalette) {
        const std::optional<LogicalPalette> palette =
            MakeLogicalPalette(header, display == DisplayKind::kPalette, SystemPaletteOf(dc));
        if (palette) {
            ReleasePanePalette();
            panePalette_ = CreatePaletteFrom(*palette);
            previous = ::SelectPalette(dc, panePalette_, FALSE);
            ::RealizePalette(dc);
        }
    }
    ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(image.width), static_cast<DWORD>(image.height), 0, 0, 0,
                        static_cast<UINT>(image.height), image.pixels.data(),
                        reinterpret_cast<const BITMAPINFO*>(header.data()), DIB_RGB_COLORS);
    if (previous) {
        ::SelectPalette(dc, previous, FALSE);
    }
}

}  // namespace korva
