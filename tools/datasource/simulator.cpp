#include "tools/datasource/simulator.h"

#include <utility>
#include <vector>

#include "tools/common/host_protocol.h"
#include "tools/common/library_entry.h"
#include "tools/datasource/batch_plan.h"
#include "tools/datasource/scan_files.h"
#include "tools/datasource/scan_rendering.h"
#include "tools/datasource/starting_settings.h"

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

uint16_t Simulator::Open() {
    model_ = ReadDeviceModel(profile_, IniPath(), DriverFolder());
    return session_.Open(model_);
}

void Simulator::Close() {
    if (session_.Current() != TwainSession::kClosed) {
        HideModule();
        session_.Close();
    }
}

bool Simulator::LoadModule() {
    if (module_) {
        return true;
    }
    module_ = ::LoadLibraryA((DriverFolder() + "\\KVSCANUI.DLL").c_str());
    if (!module_) {
        return false;
    }
    activate_ = tools::LibraryEntry<KorvaActivateDialogProc>(module_, "ActivateDialog");
    isDialogMsg_ = tools::LibraryEntry<KorvaIsDialogMsgProc>(module_, "IsDialogMsg");
    deleteDialog_ = tools::LibraryEntry<KorvaDeleteDialogProc>(module_, "DeleteDialog");
    return activate_ && isDialogMsg_ && deleteDialog_;
}

void Simulator::HideModule() {
    if (mainDialog_ && deleteDialog_) {
        deleteDialog_();
    }
    mainDialog_ = nullptr;
}

uint16_t Simulator::Enable(HWND parent) {
    if (session_.Current() != TwainSession::kOpen) {
        return twain::kCcSeqError;
    }
    if (!LoadModule()) {
        return twain::kCcOperationError;
    }
    SourceContext c = Context();
    DescribeDevice(model_, c);
    WriteStartingSettings(profile_, IniPath(), session_);
    mainDialog_ = activate_(parent, context_.data());
    return mainDialog_ ? session_.Enable() : twain::kCcOperationError;
}

uint16_t Simulator::Disable() {
    const uint16_t condition = session_.Disable();
    if (condition == twain::kCcSuccess) {
        HideModule();
    }
    return condition;
}

bool Simulator::ProcessEvent(MSG* message) {
    return mainDialog_ && isDialogMsg_(message);
}

uint16_t Simulator::TakeReply() {
    return session_.TakeReply(Context().Get(ctx::batchActive) != 0);
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
    return reinterpret_cast<LONG_PTR>(PackDib(RenderScan(job, document).bitmap, job.dpi));
}

bool Simulator::JobFromModule(const SourceContext& context, ScanJob& job) {
    if (!JobFromContext(context, model_.optionUnit, job)) {
        return false;
    }
    AddLineArtChoices(profile_, IniPath(), ReadImageTypes(profile_, IniPath()), job);
    return true;
}

void Simulator::ScanAndWrite(const ScanJob& job, const std::string& origin) {
    if (mainDialog_) {
        ::SendMessageA(mainDialog_, KORVA_MSG_BUSY, 1, 0);
    }
    const ScanDocument document(job.source, DocumentPicture());
    ScanImage image = RenderScan(job, document);
    WriteScanFiles(files_, model_.outputFolder, image, job, origin);
    session_.AddImage(PendingImage{BitmapOf(std::move(image), job.width, job.height), job.dpi, job.pixelType});
    if (mainDialog_) {
        ::SendMessageA(mainDialog_, KORVA_MSG_BUSY, 0, kBusyDone);
    }
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
        if (!JobFromModule(c, job)) {
            return 0;
        }
        ScanAndWrite(job, "current marquee");
        return 1;
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
    session_.RequestClose();
    return 1;
}

}  // namespace korva::sim
