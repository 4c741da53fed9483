// The simulated scanner behind LOMTWNS.DS: its SourceContext, the user-interface module it loads, and
// the previews, focus runs and final scans it makes of the document for the module.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/boundary/source_context.h"
#include "korva/scanui.h"
#include "platform/win32/win32_services.h"
#include "tools/datasource/device_model.h"
#include "tools/datasource/scan_job.h"
#include "tools/datasource/twain_session.h"

namespace korva::sim {

class Simulator {
  public:
    // Reads the device model for a new session; Close hides the user interface and ends the session.
    uint16_t Open();
    void Close();
    // Loads KVSCANUI.DLL from the driver folder, describes the device and shows the user interface; the
    // condition code of a failure, kCcSuccess otherwise.
    uint16_t Enable(HWND parent);
    uint16_t Disable();
    bool ProcessEvent(MSG* message);
    TwainSession& Session() { return session_; }

    LONG_PTR PreviewScan();
    LONG_PTR FinalScan();
    LONG_PTR CloseScan();

    // A reply for the application that the last calls produced (images ready once the module's scan has
    // ended, a close request), cleared when taken.
    uint16_t TakeReply();

    // Runs the start of a scan of all marquees once the module's message has been handled.
    void StartBatch();

  private:
    SourceContext Context() { return SourceContext(context_.data()); }
    bool LoadModule();
    void HideModule();
    std::string IniPath() const;
    // The job of the module's block with the line-art choices of the current image type.
    bool JobFromModule(const SourceContext& context, ScanJob& job);
    // Scans one image between the busy and not-busy messages, writes its files and queues it for the
    // application.
    void ScanAndWrite(const ScanJob& job, const std::string& origin);
    // Scans the settings files "BatchMode" names; false when it names none.
    bool ScanSettingsBatch();
    void NextMarquee();
    const Picture* DocumentPicture();

    alignas(8) std::array<uint8_t, 2048> context_{};
    alignas(8) std::array<uint8_t, 2048> batchStart_{};  // the block of the first marquee of a batch
    HMODULE module_ = nullptr;
    KorvaActivateDialogProc activate_ = nullptr;
    KorvaIsDialogMsgProc isDialogMsg_ = nullptr;
    KorvaDeleteDialogProc deleteDialog_ = nullptr;
    HWND mainDialog_ = nullptr;
    DeviceModel model_;
    Win32Profile profile_;
    Win32FileSystem files_;
    std::string picturePath_;
    std::optional<Picture> picture_;
    bool settingsBatch_ = false;  // the running batch scans saved settings, not the module's marquees
    TwainSession session_;
};

Simulator& TheSimulator();

// The driver folder: the Windows directory followed by "\TWAIN_32\VELDRIX".
std::string DriverFolder();

}  // namespace korva::sim
