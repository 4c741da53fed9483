#include "tools/datasource/simulator.h"

#include <vector>

#include "tools/common/host_protocol.h"
#include "tools/common/library_entry.h"
#include "tools/datasource/batch_plan.h"
#include "tools/datasource/scan_files.h"
#include "tools/datasource/scan_rendering.h"

namespace korva::sim {
namespace {

constexpr LPARAM kBusyDone = 2;

void CALLBACK OnBatchTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    TheSimulator().StartBatch();
}

}  // namespace

Simulator& TheSimulator() {
    static Simulator simulator;
    return simulator;
}

std::string DriverFolder() {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\TWAIN_32\\VELDRIX";
}

std::string Simulator::IniPath() const {
    return DriverFolder() + "\\LOMTWNS.ini";
}

bool Simulator::Enable(HWND parent) {
    if (!module_) {
        module_ = ::LoadLibraryA((DriverFolder() + "\\KVSCANUI.DLL").c_str());
        if (!module_) {
            return false;
        }
        activate_ = tools::LibraryEntry<KorvaActivateDialogProc>(module_, "ActivateDialog");
        isDialogMsg_ = tools::LibraryEntry<KorvaIsDialogMsgProc>(module_, "IsDialogMsg");
        deleteDialog_ = tools::LibraryEntry<KorvaDeleteDialogProc>(module_, "DeleteDialog");
        if (!activate_ || !isDialogMsg_ || !deleteDialog_) {
            return false;
        }
        model_ = ReadDeviceModel(profile_, IniPath(), DriverFolder());
        SourceContext c = Context();
        DescribeDevice(model_, c);
    }
    mainDialog_ = activate_(parent, context_.data());
    return mainDialog_ != nullptr;
}

void Simulator::Disable() {
    if (deleteDialog_) {
        deleteDialog_();
    }
    mainDialog_ = nullptr;
}

bool Simulator::ProcessEvent(MSG* message) {
    return isDialogMsg_ && isDialogMsg_(message);
}

uint16_t Simulator::TakeReply() {
    if (pendingImages_ > 0) {
        --pendingImages_;
        return twain::kMsgXferReady;
    }
    if (closeRequested_) {
        closeRequested_ = false;
        return twain::kMsgCloseDsReq;
    }
    return twain::kMsgNull;
}

const Picture* Simulator::DocumentPicture() {
    if (model_.imageFile != picturePath_) {
        picturePath_ = model_.imageFile;
        picture_ = picturePath_.empty() ? std::nullopt : LoadPicture(files_, picturePath_);
    }
    return picture_ ? &*picture_ : nullptr;
}

LONG_PTR Simulator::PreviewScan() {
    model_ = ReadDeviceModel(profile_, IniPath(), DriverFolder());
    SourceContext c = Context();
    ScanJob job;
    if (!AnswerPreviewRequest(model_, c) || !JobFromContext(c, model_.optionUnit, job)) {
        return 0;
    }
    job.unsharpMask = false;  // the module sharpens its preview itself
    const ScanDocument document(job.source, DocumentPicture());
    return reinterpret_cast<LONG_PTR>(PackPreview(RenderScan(job, document).bitmap, job.dpi));
}

bool Simulator::JobFromModule(const SourceContext& context, ScanJob& job) {
    if (!JobFromContext(context, model_.optionUnit, job)) {
        return false;
    }
    AddLineArtChoices(profile_, IniPath(), ReadImageTypes(profile_, IniPath()), job);
    return true;
}

bool Simulator::ScanAndWrite(const ScanJob& job, const std::string& origin) {
    if (mainDialog_) {
        ::SendMessageA(mainDialog_, KORVA_MSG_BUSY, 1, 0);
    }
    const ScanDocument document(job.source, DocumentPicture());
    const bool written = !WriteScanFiles(files_, model_.outputFolder, RenderScan(job, document), job, origin).empty();
    if (mainDialog_) {
        ::SendMessageA(mainDialog_, KORVA_MSG_BUSY, 0, kBusyDone);
    }
    pendingImages_ += written ? 1 : 0;
    return written;
}

void Simulator::NextMarquee() {
    if (mainDialog_) {
        ::PostMessageA(mainDialog_, WM_COMMAND, KORVA_CMD_NEXT_MARQUEE, 0);
    }
}

LONG_PTR Simulator::FinalScan() {
    model_ = ReadDeviceModel(profile_, IniPath(), DriverFolder());
    SourceContext c = Context();
    if (c.Get(ctx::batchActive) != 1) {
        settingsBatch_ = false;
        ScanJob job;
        return JobFromModule(c, job) && ScanAndWrite(job, "current marquee") ? 1 : 0;
    }
    if (c.Get(ctx::batchIndex) == 0) {
        // The batch keys may be written after the module's scan command: decide once it has returned.
        batchStart_ = context_;
        ::SetTimer(nullptr, 0, 0, OnBatchTimer);
        return 1;
    }
    if (!settingsBatch_) {
        ScanJob job;
        if (JobFromModule(c, job)) {
            ScanAndWrite(job, "marquee " + std::to_string(c.Get(ctx::batchIndex) + 1));
        }
    }
    NextMarquee();
    return 1;
}

void Simulator::StartBatch() {
    settingsBatch_ = ScanSettingsBatch();
    if (!settingsBatch_) {
        ScanJob job;
        if (JobFromModule(SourceContext(batchStart_.data()), job)) {
            ScanAndWrite(job, "marquee 1");
        }
    }
    NextMarquee();
}

bool Simulator::ScanSettingsBatch() {
    const std::vector<std::string> names = ReadBatchNames(profile_, IniPath());
    if (names.empty()) {
        return false;
    }
    EndBatch(profile_, IniPath());
    const Catalogue imageTypes = ReadImageTypes(profile_, IniPath());
    Win32SystemFacts system;
    for (const std::string& name : names) {
        const std::string path = SavedSettingFile(profile_, IniPath(), system, name);
        for (const BatchScan& scan : ScansOfSettingsFile(files_, path, imageTypes, model_.optionUnit)) {
            ScanAndWrite(scan.job, scan.origin);
        }
    }
    return true;
}

LONG_PTR Simulator::CloseScan() {
    closeRequested_ = true;
    return 1;
}

}  // namespace korva::sim
