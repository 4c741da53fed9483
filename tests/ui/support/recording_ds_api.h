// The test hooks of the recording data source RECORDDS.DS.
#pragma once

#include <windows.h>

#include <cstdint>

#include "korva/source_context_layout.h"

namespace korva::test {

struct RecordingDsApi {
    void(WINAPI* attach)(uint8_t* context) = nullptr;
    void(WINAPI* setPreview)(HGLOBAL bitmap) = nullptr;
    void(WINAPI* watchFile)(const char* path) = nullptr;
    const char*(WINAPI* calls)() = nullptr;
    const char*(WINAPI* fileExistedAtCalls)() = nullptr;
    const char*(WINAPI* batchTotalsAtCalls)() = nullptr;  // "BatchMode" "total" of the watched file, per call
    int(WINAPI* snapshotCount)() = nullptr;
    const uint8_t*(WINAPI* snapshot)(int index) = nullptr;
    void(WINAPI* answerRequestedSize)(int on) = nullptr;
    void(WINAPI* setFocusResult)(int tenths) = nullptr;
    void(WINAPI* sendNextMarqueeTo)(HWND mainWindow) = nullptr;
    void(WINAPI* watchWindow)(const char* caption) = nullptr;
    const char*(WINAPI* windowShownAtCalls)() = nullptr;
};

}  // namespace korva::test
