// korvascan.exe: plays a TWAIN application through the platform's source manager. It opens the manager
// under the host window, selects and opens the simulated scanner, enables it with its user interface and
// offers every queued message to it through DAT_EVENT before dispatching it. Each image the scanner
// announces is transferred natively into a bitmap file of the driver folder's "TRANSFERS" and opens in a
// window of its own. With "/script <file>" it runs the commands of the file against the user interface,
// lists the received images on the standard output instead, and ends when the commands are done.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/host/scan_list.h"
#include "tools/host/script_runner.h"
#include "tools/host/twain_application.h"

namespace {

constexpr UINT_PTR kScriptTimer = 1;

struct Host {
    korva::host::TwainApplication application;
    korva::host::ScriptRunner script;
    korva::host::ScanList scans;
    bool scripted = false;
};

Host& TheHost() {
    static Host host;
    return host;
}

std::string TransferFolder() {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\TWAIN_32\\VELDRIX\\TRANSFERS";
}

void CloseSource(HWND window) {
    TheHost().application.Stop();
    ::DestroyWindow(window);
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM first, LPARAM second) {
    switch (message) {
        case WM_TIMER:
            if (first == kScriptTimer && !TheHost().script.Step()) {
                ::KillTimer(window, kScriptTimer);
                CloseSource(window);
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(window, &paint);
            char text[96];
            std::snprintf(text, sizeof text, "Images received: %d", TheHost().application.Transfers());
            ::TextOutA(dc, 12, 12, text, static_cast<int>(std::strlen(text)));
            ::EndPaint(window, &paint);
            return 0;
        }
        case WM_CLOSE:
            CloseSource(window);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(window, message, first, second);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    Host& host = TheHost();
    const std::string arguments = commandLine ? commandLine : "";
    const std::string scriptFlag = "/script ";
    if (arguments.rfind(scriptFlag, 0) == 0) {
        host.scripted = host.script.Load(arguments.substr(scriptFlag.size()));
        if (!host.scripted) {
            std::fprintf(stderr, "korvascan: cannot read the script %s\n", arguments.c_str());
            return 2;
        }
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "KorvaScanHost";
    ::RegisterClassA(&windowClass);
    HWND window = ::CreateWindowA("KorvaScanHost", "korvascan", WS_OVERLAPPEDWINDOW, 0, 0, 260, 90, nullptr, nullptr,
                                  instance, nullptr);
    ::ShowWindow(window, host.scripted ? SW_SHOWMINNOACTIVE : show);

    std::string failure;
    if (!host.application.Start(window, TransferFolder(), failure)) {
        std::fprintf(stderr, "korvascan: %s\n", failure.c_str());
        CloseSource(window);
        return 1;
    }
    host.scans.Start(instance, host.scripted);
    if (host.scripted) {
        ::SetTimer(window, kScriptTimer, 50, nullptr);
    }

    MSG message;
    bool closing = false;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!host.application.Offer(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        for (const std::string& path : host.application.TakeTransferred()) {
            host.scans.Announce(path);
            ::InvalidateRect(window, nullptr, TRUE);
        }
        if (host.application.CloseRequested() && !closing) {
            closing = true;
            ::PostMessageA(window, WM_CLOSE, 0, 0);
        }
    }
    return 0;
}
