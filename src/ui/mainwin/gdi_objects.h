// Owners of GDI objects and device contexts: each gives back what it took when it goes out of scope.
#pragma once

#include <windows.h>

namespace korva {

// A pen, brush, font or bitmap that is deleted with its owner.
template <typename Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_) {
            ::DeleteObject(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedFont = GdiObject<HFONT>;
using OwnedPen = GdiObject<HPEN>;

// Selects an object into a device context and selects the previous one back.
class ScopedSelect {
  public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (previous_) {
            ::SelectObject(dc_, previous_);
        }
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves a device context's colours, modes and origins and restores them.
class SavedDcState {
  public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    ~SavedDcState() {
        if (saved_) {
            ::RestoreDC(dc_, saved_);
        }
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

  private:
    HDC dc_;
    int saved_;
};

// A memory device context compatible with another one.
class MemoryDc {
  public:
    explicit MemoryDc(HDC compatibleWith) : dc_(::CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (dc_) {
            ::DeleteDC(dc_);
        }
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// The device context of a window's client area.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_) {
            ::ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace korva
