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

// The driver folder the module reads its INI file from and calls the data source in: the Windows
// directory + "\TWAIN_32\VELDRIX".
std::string DriverFolder();
inline constexpr char kDataSourceName[] = "RECORDDS.DS";

// Empties the driver folder (keeping an empty settings folder), writes "LOMTWNS.ini" with the current version, a
// "DataSource" key naming `dataSource` and `body` (further sections and keys), and copies that data source there.
void PrepareDriverFolder(const std::string& body = {}, const std::string& dataSource = kDataSourceName);

class ModuleHarness {
  public:
    // Prepares the driver folder with `iniBody` first, then loads the module and, from the driver folder,
    // the recording data source (the instance the module calls).
    explicit ModuleHarness(const std::string& iniBody = {});
    ~ModuleHarness();
    ModuleHarness(const ModuleHarness&) = delete;
    ModuleHarness& operator=(const ModuleHarness&) = delete;

    bool Loaded() const { return module_ && activate && recording.calls; }
    // Describes a flatbed of 850 x 1100 hundredths of an inch at capability level 6 with 75, 150, 300
    // and 600 dpi, and `optionUnit` as the installed option.
    void DescribeScanner(int optionUnit = 2);
    // Activates the user interface with the block as the test prepared it.
    HWND Activate() { return activate(parent_, context_.data()); }
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
