// RECORDDS.DS: a data source for tests. It keeps a copy of the SourceContext at every call the module
// makes into it, answers "UIPreviewScan" with a prepared bitmap, and counts the calls.
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
};

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
    HGLOBAL bitmap = TheRecorder().nextPreview;
    TheRecorder().nextPreview = nullptr;
    return reinterpret_cast<LONG_PTR>(bitmap);
}

extern "C" LONG_PTR WINAPI UIFinalScan(void) {
    Record("UIFinalScan");
    return 1;
}

extern "C" LONG_PTR WINAPI UICloseScan(void) {
    Record("UICloseScan");
    return 1;
}
