#include "tests/ui/support/module_harness.h"

#include "tools/common/library_entry.h"

namespace korva::test {

using tools::LibraryEntry;

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

ModuleHarness::ModuleHarness() {
    parent_ = ::CreateWindowA("STATIC", "test data source", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                              nullptr, nullptr);
    module_ = ::LoadLibraryA((TestProgramFolder() + "\\KVSCANUI.DLL").c_str());
    dataSource_ = ::LoadLibraryA((TestProgramFolder() + "\\RECORDDS.DS").c_str());
    if (module_) {
        activate = LibraryEntry<KorvaActivateDialogProc>(module_, "ActivateDialog");
        isDialogMsg = LibraryEntry<KorvaIsDialogMsgProc>(module_, "IsDialogMsg");
        hide = LibraryEntry<KorvaHideDialogProc>(module_, "HideDialog");
        deleteDialog = LibraryEntry<KorvaDeleteDialogProc>(module_, "DeleteDialog");
        postProcess = LibraryEntry<KorvaPostProcessProc>(module_, "PostProcess");
    }
    if (dataSource_) {
        recording.attach = LibraryEntry<decltype(recording.attach)>(dataSource_, "RecordingDs_Attach");
        recording.setPreview = LibraryEntry<decltype(recording.setPreview)>(dataSource_, "RecordingDs_SetPreview");
        recording.watchFile = LibraryEntry<decltype(recording.watchFile)>(dataSource_, "RecordingDs_WatchFile");
        recording.calls = LibraryEntry<decltype(recording.calls)>(dataSource_, "RecordingDs_Calls");
        recording.fileExistedAtCalls =
            LibraryEntry<decltype(recording.fileExistedAtCalls)>(dataSource_, "RecordingDs_FileExistedAtCalls");
        recording.snapshotCount =
            LibraryEntry<decltype(recording.snapshotCount)>(dataSource_, "RecordingDs_SnapshotCount");
        recording.snapshot = LibraryEntry<decltype(recording.snapshot)>(dataSource_, "RecordingDs_Snapshot");
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
