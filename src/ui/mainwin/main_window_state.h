// What the main dialog and its tab pages keep beside the settings model: their windows, the flags of the
// preview and scan flows, the pending edits of the size fields and the status line.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/preview/preview_resolution.h"

namespace korva {

struct MainWindowState {
    HWND ocrPage = nullptr;
    DLGPROC ocrProc = nullptr;
    HWND photoPage = nullptr;
    DLGPROC photoProc = nullptr;
    HWND previewWindow = nullptr;
    HWND configWindow = nullptr;
    HMODULE colourMatching = nullptr;  // the colour-matching runtime, while loaded

    int32_t optionUnit = 2;  // the installed option, copied from the data source's block
    int32_t ocrQuality = 0;  // the quality index of each page
    int32_t photoQuality = 0;

    // Flags of the flows.
    int32_t closing = 0;
    int32_t previewInProgress = 0;
    int32_t exposurePending = 0;
    int32_t restorePending = 0;
    int32_t fullPreviewRequested = 0;
    int32_t previewFailed = 0;  // the last preview request gave no picture
    int32_t aas = 0;            // automatic area segmentation of the line-art type
    int32_t tet = 0;            // text enhancement of the line-art type
    int32_t invert = 0;
    int32_t alternativeWindowFlag = 0;               // toggled by command 787
    int32_t lastPreviewSource = -1;                  // the document source of the last successful preview
    std::optional<PreviewResolution> previewChoice;  // resolution and scale of the full preview
    int32_t batchCounter = 0;
    int32_t batchCount = 0;

    // The size fields: the field whose edit is not yet committed (0 none) and its text before the edit.
    int32_t pendingSize = 0;     // 191 or 192
    int32_t pendingOutSize = 0;  // 131 or 136
    int32_t pendingScale = 0;
    std::string sizeTextBefore;  // at most 12 characters
    bool updateSizeFields = true;

    // Remembered by the configuration dialog for Cancel.
    int32_t configSaveValues = 0;
    int32_t configAutoPreview = 0;
    int32_t configIcm = 0;
    int32_t configIcmProfile = 0;
    int32_t configPreviewSize = 0;
    int32_t configEyedrop = 0;
    bool configSrgbMode = false;

    int hint = 300;  // the string the status line shows
};

}  // namespace korva
