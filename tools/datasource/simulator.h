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

namespace korva::sim {

class Simulator {
  public:
    // Loads KVSCANUI.DLL from the driver folder, describes the device and shows the user interface.
    bool Enable(HWND parent);
    void Disable();
    bool ProcessEvent(MSG* message);

    LONG_PTR PreviewScan();
    LONG_PTR FinalScan();
    LONG_PTR CloseScan();

    // A reply for the host that the last calls produced (an image ready, a close request), cleared when
    // taken; images written together are announced one reply at a time.
    uint16_t TakeReply();

    // Runs the start of a scan of all marquees once the module's message has been handled.
    void StartBatch();

  private:
    SourceContext Context() { return SourceContext(context_.data()); }
    std::string IniPath() const;
    // The job of the module's block with the line-art choices of the current image type.
    bool JobFromModule(const SourceContext& context, ScanJob& job);
    // Scans and writes one image between the busy and not-busy messages.
    bool ScanAndWrite(const ScanJob& job, const std::string& origin);
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
    int pendingImages_ = 0;
    bool closeRequested_ = false;
};

Simulator& TheSimulator();

// The driver folder: the Windows directory followed by "\TWAIN_32\VELDRIX".
std::string DriverFolder();

}  // namespace korva::sim
