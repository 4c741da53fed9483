#include "tools/host/scan_list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace korva::host {
namespace {

constexpr char kViewerClass[] = "KorvaScanImage";

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    auto bitmap = reinterpret_cast<HBITMAP>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(window, &paint);
            RECT client;
            ::GetClientRect(window, &client);
            BITMAP info{};
            if (bitmap && ::GetObjectA(bitmap, sizeof info, &info)) {
                // The whole image, scaled to the window with its proportions kept.
                const double scale = std::min(static_cast<double>(client.right) / info.bmWidth,
                                              static_cast<double>(client.bottom) / info.bmHeight);
                HDC memory = ::CreateCompatibleDC(dc);
                HGDIOBJ previous = ::SelectObject(memory, bitmap);
                ::SetStretchBltMode(dc, HALFTONE);
                ::StretchBlt(dc, 0, 0, static_cast<int>(info.bmWidth * scale), static_cast<int>(info.bmHeight * scale),
                             memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
                ::SelectObject(memory, previous);
                ::DeleteDC(memory);
            } else {
                const char text[] = "The image file cannot be read.";
                ::TextOutA(dc, 12, 12, text, static_cast<int>(std::strlen(text)));
            }
            ::EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            if (bitmap) {
                ::DeleteObject(bitmap);
            }
            return 0;
        default:
            return ::DefWindowProcA(window, message, first, second);
    }
}

void ShowImage(HINSTANCE instance, const std::string& path, const std::string& name) {
    WNDCLASSA viewerClass{};
    if (!::GetClassInfoA(instance, kViewerClass, &viewerClass)) {
        viewerClass.lpfnWndProc = ViewerProc;
        viewerClass.hInstance = instance;
        viewerClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        viewerClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        viewerClass.lpszClassName = kViewerClass;
        ::RegisterClassA(&viewerClass);
    }
    HANDLE bitmap = ::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    HWND window = ::CreateWindowA(kViewerClass, name.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 420,
                                  520, nullptr, nullptr, instance, nullptr);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap));
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
}

}  // namespace

void ScanList::Start(HINSTANCE instance, bool scripted) {
    instance_ = instance;
    scripted_ = scripted;
}

void ScanList::Announce(const std::string& path) {
    if (scripted_) {
        std::printf("korvascan: received %s\n", path.c_str());
        std::fflush(stdout);
    } else {
        ShowImage(instance_, path, path.substr(path.find_last_of('\\') + 1));
    }
}

}  // namespace korva::host
