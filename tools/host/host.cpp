// korvascan.exe: plays the TWAIN application. It loads the data source from the driver folder, asks it to
// show its user interface under the host window, and passes every queued message through the data source
// (which offers it to the module's dialogs) before dispatching it. Each scanned image opens in a window of
// its own. With "/script <file>" it runs the commands of the file against the user interface, lists the
// scanned images on the standard output instead, and ends when the commands are done.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/common/host_protocol.h"
#include "tools/common/library_entry.h"
#include "tools/host/scan_list.h"
#include "tools/host/script_runner.h"

namespace {

namespace twain = korva::twain;

constexpr UINT_PTR kScriptTimer = 1;

struct Host {
    HMODULE dataSource = nullptr;
    twain::EntryProc entry = nullptr;
    korva::host::ScriptRunner script;
    korva::host::ScanList scans;
    bool scripted = false;
    int transfers = 0;
    bool open = false;
};

Host& TheHost() {
    static Host host;
    return host;
}

std::string DriverFolder() {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\TWAIN_32\\VELDRIX";
}

uint16_t Call(uint16_t dat, uint16_t msg, void* data) {
    return TheHost().entry(nullptr, twain::kGroupControl, dat, msg, data);
}

void CloseSource(HWND window) {
    Host& host = TheHost();
    if (host.open) {
        Call(twain::kDatUserInterface, twain::kMsgDisableDs, nullptr);
        Call(twain::kDatIdentity, twain::kMsgCloseDs, nullptr);
        host.open = false;
    }
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
            std::snprintf(text, sizeof text, "Images received: %d", TheHost().transfers);
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

bool OpenSource(HWND window) {
    Host& host = TheHost();
    host.dataSource = ::LoadLibraryA((DriverFolder() + "\\LOMTWNS.DS").c_str());
    if (!host.dataSource) {
        return false;
    }
    host.entry = korva::tools::LibraryEntry<twain::EntryProc>(host.dataSource, "DS_Entry");
    if (!host.entry || Call(twain::kDatIdentity, twain::kMsgOpenDs, nullptr) != twain::kRcSuccess) {
        return false;
    }
    twain::UserInterface ui;
    ui.parent = window;
    host.open = Call(twain::kDatUserInterface, twain::kMsgEnableDs, &ui) == twain::kRcSuccess;
    return host.open;
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

    if (!OpenSource(window)) {
        std::fprintf(stderr, "korvascan: the data source could not be opened from %s\n", DriverFolder().c_str());
        ::DestroyWindow(window);
        return 1;
    }
    host.scans.Start(DriverFolder(), instance, host.scripted);
    if (host.scripted) {
        ::SetTimer(window, kScriptTimer, 50, nullptr);
    }

    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        twain::Event event{&message};
        const bool handled = host.open && Call(twain::kDatEvent, twain::kMsgProcessEvent, &event) == twain::kRcDsEvent;
        if (event.message == twain::kMsgXferReady) {
            ++host.transfers;
            host.scans.Announce();
            twain::TwPendingXfers pending;  // the images are read from their files
            Call(twain::kDatPendingXfers, twain::kMsgReset, &pending);
            ::InvalidateRect(window, nullptr, TRUE);
        } else if (event.message == twain::kMsgCloseDsReq) {
            ::PostMessageA(window, WM_CLOSE, 0, 0);
        }
        if (!handled) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return 0;
}
