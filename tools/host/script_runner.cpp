#include "tools/host/script_runner.h"

#include <fstream>
#include <sstream>

#include "tools/common/bitmap_writer.h"

namespace korva::host {
namespace {

struct CaptionSearch {
    std::string caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<CaptionSearch*>(param);
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    if (search->caption == text && ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindByCaption(const std::string& caption) {
    CaptionSearch search{caption};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ControlSearch {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (::GetDlgCtrlID(window) == search->id && ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible control with the id anywhere inside the window, such as one of a tab page.
HWND FindControl(HWND window, int id) {
    ControlSearch search{id};
    ::EnumChildWindows(window, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

bool ScriptRunner::Load(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line[first] != '#') {
            lines_.push_back(line.substr(first));
        }
    }
    return true;
}

HWND ScriptRunner::FindTarget(const std::string& name) const {
    if (name == "main") {
        return FindByCaption("KORVA Quorra Scan SF");
    }
    if (name == "pane") {
        HWND main = FindByCaption("KORVA Quorra Scan SF");
        return main ? ::FindWindowExA(main, nullptr, "PREVIEW", nullptr) : nullptr;
    }
    if (name == "active") {
        return ::GetActiveWindow();
    }
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
        return FindByCaption(name.substr(1, name.size() - 2));
    }
    return nullptr;
}

bool ScriptRunner::Step() {
    if (::GetTickCount() < resumeAt_) {
        return true;
    }
    if (next_ >= lines_.size()) {
        return false;
    }
    return Run(lines_[next_++]);
}

bool ScriptRunner::Run(const std::string& line) {
    std::istringstream in(line);
    std::string verb;
    in >> verb;
    if (verb == "quit") {
        return false;
    }
    if (verb == "wait") {
        DWORD ms = 0;
        in >> ms;
        resumeAt_ = ::GetTickCount() + ms;
        return true;
    }
    // The window name may be a quoted caption with blanks.
    std::string target;
    in >> std::ws;
    if (in.peek() == '"') {
        in.get();
        std::getline(in, target, '"');
        target = "\"" + target + "\"";
    } else {
        in >> target;
    }
    HWND window = FindTarget(target);
    if (!window) {
        std::fprintf(stderr, "korvascan: no window %s for: %s\n", target.c_str(), line.c_str());
        return true;
    }
    if (verb == "shotopened") {
        // The active window, unless it is the target itself: nothing new has opened then.
        std::string file;
        in >> file;
        HWND opened = ::GetActiveWindow();
        if (opened && opened != window && !CaptureWindow(opened, file)) {
            std::fprintf(stderr, "korvascan: could not write %s\n", file.c_str());
        }
    } else if (verb == "press") {
        int id = 0;
        in >> id;
        if (HWND control = FindControl(window, id)) {
            ::PostMessageA(control, BM_CLICK, 0, 0);
        }
    } else if (verb == "shot") {
        std::string file;
        in >> file;
        if (!CaptureWindow(window, file)) {
            std::fprintf(stderr, "korvascan: could not write %s\n", file.c_str());
        }
    } else if (verb == "command" || verb == "syscommand") {
        int id = 0;
        in >> id;
        ::PostMessageA(window, verb == "command" ? WM_COMMAND : WM_SYSCOMMAND, static_cast<WPARAM>(id), 0);
    } else if (verb == "click") {
        int x = 0;
        int y = 0;
        in >> x >> y;
        ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    } else if (verb == "drag") {
        int x0 = 0;
        int y0 = 0;
        int x1 = 0;
        int y1 = 0;
        in >> x0 >> y0 >> x1 >> y1;
        ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y0));
        constexpr int kSteps = 8;
        for (int i = 1; i <= kSteps; ++i) {
            const int x = x0 + (x1 - x0) * i / kSteps;
            const int y = y0 + (y1 - y0) * i / kSteps;
            ::PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
        }
        ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x1, y1));
    } else if (verb == "clickitem") {
        int id = 0;
        in >> id;
        RECT item{};
        if (HWND control = ::GetDlgItem(window, id); control && ::GetWindowRect(control, &item)) {
            POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
            ::ScreenToClient(window, &centre);
            ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
            ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
        }
    } else if (verb == "key") {
        int key = 0;
        in >> key;
        ::PostMessageA(window, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
        ::PostMessageA(window, WM_KEYUP, static_cast<WPARAM>(key), 0);
    } else if (verb == "text") {
        int id = 0;
        in >> id;
        std::string text;
        std::getline(in, text);
        ::SetDlgItemTextA(window, id, text.empty() ? "" : text.c_str() + 1);
    } else {
        std::fprintf(stderr, "korvascan: unknown script command: %s\n", line.c_str());
    }
    return true;
}

bool CaptureWindow(HWND window, const std::string& path) {
    RECT rect;
    if (!::GetWindowRect(window, &rect)) {
        return false;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(memory, previous);

    tools::BitmapImage image;
    image.width = width;
    image.height = height;
    image.rows.resize(image.Stride() * height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const int lines = ::GetDIBits(memory, bitmap, 0, height, image.rows.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return lines == height && tools::WriteBitmapFile(path, image);
}

}  // namespace korva::host
