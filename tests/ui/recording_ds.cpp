// RECORDDS.DS: a data source for tests. It keeps a copy of the SourceContext at every call the module
// makes into it, answers "UIPreviewScan" with a prepared bitmap (or, when asked, a white one of the
// requested pixel size), and counts the calls. Asked to, it answers a focus run with a position and, like
// a device, sends the next-marquee command after each image of a scan of all marquees.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tests/ui/support/recording_ds_api.h"

namespace {

struct Recorder {
    uint8_t* context = nullptr;
    std::vector<std::vector<uint8_t>> snapshots;
    std::string calls;  // entry names in call order, separated by blanks
    HGLOBAL nextPreview = nullptr;
    std::string iniToCheck;  // a file whose existence is recorded at each call
    std::string iniExistedAtCalls;
    std::string batchTotalsAtCalls;  // the watched INI file's "BatchMode" "total" at each call, one digit
    bool answerRequestedSize = false;
    int focusTenths = 0;        // written at a focus run
    HWND mainWindow = nullptr;  // receives command 213 after each image of a batch
    std::string windowToCheck;  // a window caption whose presence is recorded at each call
    std::string windowShownAtCalls;
};

constexpr size_t kBatchActive = 290;
constexpr size_t kFocusTenths = 1422;
constexpr size_t kFocusMode = 1423;
constexpr size_t kPixelWidth = 1564;
constexpr size_t kPixelHeight = 1568;
constexpr uint8_t kFocusRun = 3;
constexpr WORD kNextMarquee = 213;

int32_t Field32(const uint8_t* context, size_t offset) {
    int32_t value = 0;
    std::memcpy(&value, context + offset, sizeof value);
    return value;
}

// A white 24-bit packed bitmap.
HGLOBAL WhiteBitmap(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || width > 8000 || height > 8000) {
        return nullptr;
    }
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD pixels = stride * static_cast<DWORD>(height);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + pixels);
    auto* bytes = static_cast<uint8_t*>(::GlobalLock(block));
    const BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, pixels, 0, 0, 0, 0};
    std::memcpy(bytes, &header, sizeof header);
    std::memset(bytes + sizeof header, 0xFF, pixels);
    ::GlobalUnlock(block);
    return block;
}

Recorder& TheRecorder() {
    static Recorder recorder;
    return recorder;
}

void Record(const char* name) {
    Recorder& r = TheRecorder();
    r.calls += r.calls.empty() ? name : std::string(" ") + name;
    if (r.context) {
        r.snapshots.emplace_back(r.context, r.context + KORVA_SOURCE_CONTEXT_SIZE);
    }
    if (!r.iniToCheck.empty()) {
        r.iniExistedAtCalls += ::GetFileAttributesA(r.iniToCheck.c_str()) != INVALID_FILE_ATTRIBUTES ? '1' : '0';
        const UINT total = ::GetPrivateProfileIntA("BatchMode", "total", 0, r.iniToCheck.c_str());
        r.batchTotalsAtCalls += static_cast<char>('0' + (total > 9 ? 9 : total));
    }
    if (!r.windowToCheck.empty()) {
        HWND window = ::FindWindowA(nullptr, r.windowToCheck.c_str());
        r.windowShownAtCalls += window && ::IsWindowVisible(window) ? '1' : '0';
    }
}

}  // namespace

extern "C" void WINAPI RecordingDs_Attach(uint8_t* context) {
    Recorder& r = TheRecorder();
    r = Recorder{};
    r.context = context;
}

extern "C" void WINAPI RecordingDs_SetPreview(HGLOBAL bitmap) {
    TheRecorder().nextPreview = bitmap;
}

extern "C" void WINAPI RecordingDs_WatchFile(const char* path) {
    TheRecorder().iniToCheck = path ? path : "";
}

extern "C" void WINAPI RecordingDs_AnswerRequestedSize(int on) {
    TheRecorder().answerRequestedSize = on != 0;
}

extern "C" void WINAPI RecordingDs_SetFocusResult(int tenths) {
    TheRecorder().focusTenths = tenths;
}

extern "C" void WINAPI RecordingDs_SendNextMarqueeTo(HWND mainWindow) {
    TheRecorder().mainWindow = mainWindow;
}

extern "C" void WINAPI RecordingDs_WatchWindow(const char* caption) {
    TheRecorder().windowToCheck = caption ? caption : "";
}

extern "C" const char* WINAPI RecordingDs_WindowShownAtCalls() {
    return TheRecorder().windowShownAtCalls.c_str();
}

extern "C" const char* WINAPI RecordingDs_Calls() {
    return TheRecorder().calls.c_str();
}

extern "C" const char* WINAPI RecordingDs_FileExistedAtCalls() {
    return TheRecorder().iniExistedAtCalls.c_str();
}

extern "C" const char* WINAPI RecordingDs_BatchTotalsAtCalls() {
    return TheRecorder().batchTotalsAtCalls.c_str();
}

extern "C" int WINAPI RecordingDs_SnapshotCount() {
    return static_cast<int>(TheRecorder().snapshots.size());
}

extern "C" const uint8_t* WINAPI RecordingDs_Snapshot(int index) {
    const auto& snapshots = TheRecorder().snapshots;
    return index >= 0 && index < static_cast<int>(snapshots.size()) ? snapshots[index].data() : nullptr;
}

extern "C" LONG_PTR WINAPI UIPreviewScan(void) {
    Record("UIPreviewScan");
    Recorder& r = TheRecorder();
    if (r.context && r.context[kFocusMode] == kFocusRun) {
        r.context[kFocusTenths] = static_cast<uint8_t>(static_cast<int8_t>(r.focusTenths));
    }
    HGLOBAL bitmap = r.nextPreview;
    r.nextPreview = nullptr;
    if (!bitmap && r.answerRequestedSize && r.context) {
        bitmap = WhiteBitmap(Field32(r.context, kPixelWidth), Field32(r.context, kPixelHeight));
    }
    return reinterpret_cast<LONG_PTR>(bitmap);
}

extern "C" LONG_PTR WINAPI UIFinalScan(void) {
    Record("UIFinalScan");
    Recorder& r = TheRecorder();
    if (r.mainWindow && r.context && Field32(r.context, kBatchActive) != 0) {
        ::PostMessageA(r.mainWindow, WM_COMMAND, MAKEWPARAM(kNextMarquee, 0), 0);
    }
    return 1;
}

extern "C" LONG_PTR WINAPI UICloseScan(void) {
    Record("UICloseScan");
    return 1;
}
