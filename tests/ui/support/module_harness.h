// Loads the real KVSCANUI.DLL and the recording data source into a test, plays the data source's part
// (owning the SourceContext and a parent window), and pumps messages.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "korva/scanui.h"
#include "tests/ui/support/recording_ds_api.h"

namespace korva::test {

class ModuleHarness {
  public:
    ModuleHarness();
    ~ModuleHarness();
    ModuleHarness(const ModuleHarness&) = delete;
    ModuleHarness& operator=(const ModuleHarness&) = delete;

    bool Loaded() const { return module_ && activate && recording.calls; }
    HWND Parent() const { return parent_; }
    uint8_t* Context() { return context_.data(); }

    // Dispatches every queued message of this thread, offering each to IsDialogMsg first.
    void Pump();

    KorvaActivateDialogProc activate = nullptr;
    KorvaIsDialogMsgProc isDialogMsg = nullptr;
    KorvaHideDialogProc hide = nullptr;
    KorvaDeleteDialogProc deleteDialog = nullptr;
    KorvaPostProcessProc postProcess = nullptr;
    RecordingDsApi recording;

  private:
    HMODULE module_ = nullptr;
    HMODULE dataSource_ = nullptr;
    HWND parent_ = nullptr;
    alignas(8) std::array<uint8_t, 2048> context_{};
};

// The folder of the running test program, where the build puts the module and the recording data source.
std::string TestProgramFolder();

}  // namespace korva::test
