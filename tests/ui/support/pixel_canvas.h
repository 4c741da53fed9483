// A memory device context over a 32-bit bitmap whose pixels a test can read back.
#pragma once

#include <windows.h>

#include <cstdint>

namespace korva::test {

class PixelCanvas {
  public:
    PixelCanvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = ::SelectObject(dc_, bitmap_);
    }
    ~PixelCanvas() {
        ::SelectObject(dc_, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    bool Valid() const { return dc_ && bits_; }
    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(COLORREF colour) {
        ::GdiFlush();
        const uint32_t pixel = ToPixel(colour);
        for (int i = 0; i < width_ * height_; ++i) {
            bits_[i] = pixel;
        }
    }
    COLORREF At(int x, int y) const {
        ::GdiFlush();
        const uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

  private:
    static uint32_t ToPixel(COLORREF c) {
        return (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
    }

    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

}  // namespace korva::test
