// The simulated scanner behind LOMTWNS.DS: its SourceContext, the user-interface module it loads, and the
// scans it produces from the built-in test document.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "core/boundary/source_context.h"
#include "korva/scanui.h"

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

    // A reply for the host that the last calls produced (close request), cleared when taken.
    uint16_t TakeReply();

  private:
    SourceContext Context() { return SourceContext(context_.data()); }
    void DescribeDevice();

    alignas(8) std::array<uint8_t, 2048> context_{};
    HMODULE module_ = nullptr;
    KorvaActivateDialogProc activate_ = nullptr;
    KorvaIsDialogMsgProc isDialogMsg_ = nullptr;
    KorvaDeleteDialogProc deleteDialog_ = nullptr;
    HWND mainDialog_ = nullptr;
    uint16_t reply_ = 0;
    int finalScans_ = 0;
};

Simulator& TheSimulator();

// The driver folder: the Windows directory followed by "\TWAIN_32\VELDRIX".
std::string DriverFolder();

}  // namespace korva::sim
