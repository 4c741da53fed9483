#include "tests/ui/support/module_harness.h"

#include <shlobj.h>

#include <type_traits>

#include "core/boundary/source_context.h"
#include "tools/common/library_entry.h"

namespace korva::test {

using tools::LibraryEntry;

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string DriverFolder() {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\TWAIN_32\\VELDRIX";
}

namespace {

// Deletes the files of a folder, not its subfolders.
void DeleteFilesIn(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                ::DeleteFileA((folder + "\\" + found.cFileName).c_str());
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
}

}  // namespace

// Every test starts from an empty driver folder and an empty settings folder: no environment, saved
// settings or marquee file of an earlier test is restored.
void PrepareDriverFolder(const std::string& body, const std::string& dataSource) {
    const std::string folder = DriverFolder();
    ::SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    DeleteFilesIn(folder);
    const std::string settings = folder + "\\SETTINGS";
    ::CreateDirectoryA(settings.c_str(), nullptr);
    DeleteFilesIn(settings);
    const std::string ini =
        "[QXTWAINds]\r\nVersion=1.10E\r\nQxtwain=\\TWAIN_32\\VELDRIX\r\nDataSource=\\" + dataSource + "\r\n" + body;
    HANDLE file = ::CreateFileA((folder + "\\LOMTWNS.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, ini.data(), static_cast<DWORD>(ini.size()), &written, nullptr);
    ::CloseHandle(file);
    ::CopyFileA((TestProgramFolder() + "\\" + dataSource).c_str(), (folder + "\\" + dataSource).c_str(), FALSE);
}

ModuleHarness::ModuleHarness(const std::string& iniBody) {
    PrepareDriverFolder(iniBody);
    parent_ = ::CreateWindowA("STATIC", "test data source", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                              nullptr, nullptr);
    module_ = ::LoadLibraryA((TestProgramFolder() + "\\KVSCANUI.DLL").c_str());
    dataSource_ = ::LoadLibraryA((DriverFolder() + "\\" + kDataSourceName).c_str());
    const auto entry = [](HMODULE library, auto& proc, const char* name) {
        proc = LibraryEntry<std::remove_reference_t<decltype(proc)>>(library, name);
    };
    if (module_) {
        entry(module_, activate, "ActivateDialog");
        entry(module_, isDialogMsg, "IsDialogMsg");
        entry(module_, hide, "HideDialog");
        entry(module_, deleteDialog, "DeleteDialog");
        entry(module_, postProcess, "PostProcess");
    }
    if (dataSource_) {
        entry(dataSource_, recording.attach, "RecordingDs_Attach");
        entry(dataSource_, recording.setPreview, "RecordingDs_SetPreview");
        entry(dataSource_, recording.watchFile, "RecordingDs_WatchFile");
        entry(dataSource_, recording.calls, "RecordingDs_Calls");
        entry(dataSource_, recording.fileExistedAtCalls, "RecordingDs_FileExistedAtCalls");
        entry(dataSource_, recording.batchTotalsAtCalls, "RecordingDs_BatchTotalsAtCalls");
        entry(dataSource_, recording.snapshotCount, "RecordingDs_SnapshotCount");
        entry(dataSource_, recording.snapshot, "RecordingDs_Snapshot");
        entry(dataSource_, recording.answerRequestedSize, "RecordingDs_AnswerRequestedSize");
        entry(dataSource_, recording.setFocusResult, "RecordingDs_SetFocusResult");
        entry(dataSource_, recording.sendNextMarqueeTo, "RecordingDs_SendNextMarqueeTo");
        entry(dataSource_, recording.watchWindow, "RecordingDs_WatchWindow");
        entry(dataSource_, recording.windowShownAtCalls, "RecordingDs_WindowShownAtCalls");
        if (recording.attach) {
            recording.attach(context_.data());
        }
    }
}

ModuleHarness::~ModuleHarness() {
    if (deleteDialog) {
        deleteDialog();
    }
    if (module_) {
        ::FreeLibrary(module_);
    }
    if (dataSource_) {
        ::FreeLibrary(dataSource_);
    }
    if (parent_) {
        ::DestroyWindow(parent_);
    }
}

void ModuleHarness::DescribeScanner(int optionUnit) {
    SourceContext context(context_.data());
    context.Set(ctx::level, 6);
    context.SetText(ctx::modelName, "QA4100");
    context.Set(ctx::optionUnit, optionUnit);
    context.Set(ctx::bedWidth0, 850);
    context.Set(ctx::bedHeight0, 1100);
    context.Set(ctx::bedWidth1, 850);
    context.Set(ctx::bedHeight1, 1100);
    const uint16_t resolutions[] = {75, 150, 300, 600};
    for (uint32_t i = 0; i < 4; ++i) {
        context.Set(ctx::resolutionList, resolutions[i], i);
    }
    context.Set(ctx::resolutionCount, 4);
}

void ModuleHarness::Pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!isDialogMsg || !isDialogMsg(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

}  // namespace korva::test
