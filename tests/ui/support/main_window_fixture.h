// A fixture for tests of the main window: a described scanner, a driver folder with an INI file, and
// helpers that find the tab pages and read the INI file the module writes.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/boundary/source_context.h"
#include "core/preview/marquee.h"
#include "core/preview/rect.h"
#include "tests/ui/support/module_harness.h"

namespace korva::test {

// The page (a child dialog of the main window) that carries control `id` and is visible, or null.
HWND VisiblePageWith(HWND main, int id);
// The page that carries control `id`, visible or not.
HWND PageWith(HWND main, int id);

// The INI file's value of a key, or "<missing>".
std::string IniValue(const std::string& section, const std::string& key);
std::string IniPath();

// Writes a white 24-bit bitmap file of the given size into the driver folder.
void WritePreviewFile(int width, int height);

// The environment file of the settings folder, with marquees of these document rectangles (thousandths
// of an inch).
void WriteEnvironmentFile(std::initializer_list<Rect> documents);
// The number of marquees the environment file holds, or -1 without a file.
int EnvironmentMarquees();
// The environment file with these marquee records (their document rectangles and settings), and the
// records the environment file holds now.
void WriteEnvironmentFile(const std::vector<Marquee>& marquees);
std::vector<Marquee> EnvironmentRecords();

// A packed 24-bit bitmap in a movable global block, as a data source returns a preview.
HGLOBAL MakePreviewBlock(int width, int height);

// The block as the recording data source saw it at its `index`-th call.
SourceContext Snapshot(ModuleHarness& harness, int index);

// Presses a button of a dialog as a click does: the notification its parent gets.
void Click(HWND dialog, int id);

// Makes `window` the active foreground window and waits until it is: the window of the previous test
// program may still be handing the activation over, and keys and mouse go to the active window only.
void BringToFront(ModuleHarness& harness, HWND window);

// Puts the mouse pointer at the client point (x, y) of `window` and waits until the system reports it
// there on two reads in a row: under X a pointer move of an earlier step can still arrive and put the
// reported position back.
void PlacePointer(ModuleHarness& harness, HWND window, int x, int y);

class MainWindowTest : public ::testing::Test {
  protected:
    // Creates the harness with `iniBody` in the INI file and activates the user interface.
    // `beforeActivation` runs once the driver folder is prepared (to add files of a previous run).
    HWND Start(const std::string& iniBody, int optionUnit = 2, const std::function<void()>& beforeActivation = {});
    ModuleHarness& Harness() { return *harness_; }

    std::unique_ptr<ModuleHarness> harness_;
    HWND main_ = nullptr;
};

}  // namespace korva::test
