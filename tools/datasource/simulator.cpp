#include "tools/datasource/simulator.h"

#include <cstdio>

#include "tools/common/host_protocol.h"
#include "tools/common/library_entry.h"
#include "tools/datasource/scan_rendering.h"

namespace korva::sim {
namespace {

constexpr char kSection[] = "Simulator";

std::string IniPath() {
    return DriverFolder() + "\\LOMTWNS.ini";
}

int ReadSetting(const char* key, int def) {
    return static_cast<int>(::GetPrivateProfileIntA(kSection, key, def, IniPath().c_str()));
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

void Simulator::DescribeDevice() {
    SourceContext c = Context();
    c.Set(ctx::level, ReadSetting("Level", 6));
    char model[16] = {};
    ::GetPrivateProfileStringA(kSection, "Model", "TORVALE", model, sizeof model, IniPath().c_str());
    c.SetText(ctx::modelName, model);
    c.Set(ctx::optionUnit, ReadSetting("OptionUnit", 0));
    c.Set(ctx::bedWidth0, 850);  // flatbed: 8.5 x 11.69 inches
    c.Set(ctx::bedHeight0, 1169);
    c.Set(ctx::bedWidth1, 850);  // feeder: legal length
    c.Set(ctx::bedHeight1, 1400);
    c.Set(ctx::printerPresetCount, 6);
    static constexpr uint16_t kResolutions[] = {50, 72, 75, 100, 150, 200, 240, 300, 360, 400, 600};
    for (uint32_t i = 0; i < std::size(kResolutions); ++i) {
        c.Set(ctx::resolutionList, kResolutions[i], i);
    }
    c.Set(ctx::resolutionCount, std::size(kResolutions));
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
        DescribeDevice();
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
    const uint16_t reply = reply_;
    reply_ = twain::kMsgNull;
    return reply;
}

LONG_PTR Simulator::PreviewScan() {
    return reinterpret_cast<LONG_PTR>(RenderPreview(Context()));
}

LONG_PTR Simulator::FinalScan() {
    SourceContext c = Context();
    if (mainDialog_) {
        ::SendMessageA(mainDialog_, KORVA_MSG_BUSY, 1, 0);
    }
    char name[32];
    std::snprintf(name, sizeof name, "\\SCAN%04d.BMP", ++finalScans_);
    const bool written = WriteFinalScan(c, DriverFolder() + name);
    if (mainDialog_) {
        ::SendMessageA(mainDialog_, KORVA_MSG_BUSY, 0, 2);
        if (c.Get(ctx::batchActive) == 1) {
            ::PostMessageA(mainDialog_, WM_COMMAND, KORVA_CMD_NEXT_MARQUEE, 0);
        }
    }
    if (written) {
        reply_ = twain::kMsgXferReady;
    }
    return written ? 1 : 0;
}

LONG_PTR Simulator::CloseScan() {
    reply_ = twain::kMsgCloseDsReq;
    return 1;
}

}  // namespace korva::sim
