#include "ui/mainwin/picture_drawing.h"

#include <cstring>
#include <span>
#include <string>

#include "core/imaging/tab_picture.h"
#include "ui/mainwin/gdi_objects.h"
#include "ui/mainwin/movable_block.h"

namespace korva {
namespace {

PixelBox ToBox(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The bytes of a bitmap resource as the module carries it, or an empty span.
std::span<const uint8_t> BitmapResource(HINSTANCE instance, const std::string& name) {
    HRSRC found = ::FindResourceA(instance, name.c_str(), RT_BITMAP);
    HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) {
        return {};
    }
    return {static_cast<const uint8_t*>(data), ::SizeofResource(instance, found)};
}

}  // namespace

void FillWithBackground(HDC dc, const RECT& rect) {
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
}

std::optional<PixelBox> DrawPicture(HINSTANCE instance, HDC dc, const RECT& item, const PictureChoice& choice) {
    OwnedBitmap bitmap(static_cast<HBITMAP>(
        ::LoadImageA(instance, std::string(choice.name).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
    BITMAP size{};
    if (!bitmap || !::GetObjectA(bitmap.Get(), sizeof size, &size)) {
        return std::nullopt;
    }
    MemoryDc memory(dc);
    if (!memory) {
        return std::nullopt;
    }
    ScopedSelect select(memory.Get(), bitmap.Get());
    const PixelBox extent = PictureExtent(choice.fit, ToBox(item), size.bmWidth, size.bmHeight);
    if (choice.fit == PictureFit::kNatural) {
        ::BitBlt(dc, extent.left, extent.top, size.bmWidth, size.bmHeight, memory.Get(), 0, 0, SRCCOPY);
    } else {
        SavedDcState state(dc);
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, extent.left, extent.top, extent.right - extent.left, extent.bottom - extent.top, memory.Get(),
                     0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    }
    return extent;
}

bool DrawTabPicture(HINSTANCE instance, HDC dc, const RECT& item, const PictureChoice& choice) {
    const std::span<const uint8_t> resource = BitmapResource(instance, std::string(choice.name));
    const std::optional<TabPictureLayout> layout = ParseTabPicture(resource);
    if (!layout) {
        return false;
    }
    // The picture is recoloured in a copy of its own; the resource stays as it is.
    MovableBlock block(layout->totalBytes);
    LockedBlock locked(block);
    if (!locked.Data()) {
        return false;
    }
    const std::span<uint8_t> picture(static_cast<uint8_t*>(locked.Data()), layout->totalBytes);
    std::memcpy(picture.data(), resource.data(), picture.size());
    const COLORREF face = ::GetSysColor(COLOR_3DFACE);
    PutFaceColour(picture, GetRValue(face), GetGValue(face), GetBValue(face));

    const auto* info = reinterpret_cast<const BITMAPINFO*>(picture.data());
    const int width = item.right - item.left;
    const int height = item.bottom - item.top;
    MemoryDc memory(dc);
    OwnedBitmap offscreen(::CreateCompatibleBitmap(dc, width, height));
    if (!memory || !offscreen) {
        return false;
    }
    ScopedSelect select(memory.Get(), offscreen.Get());
    ::SetStretchBltMode(memory.Get(), COLORONCOLOR);
    ::StretchDIBits(memory.Get(), 0, 0, width, height, 0, 0, info->bmiHeader.biWidth, info->bmiHeader.biHeight,
                    picture.data() + layout->pixelOffset, info, DIB_RGB_COLORS, SRCCOPY);
    ::BitBlt(dc, item.left, item.top, width, height, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

}  // namespace korva
