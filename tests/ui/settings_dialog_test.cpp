// The saved-settings dialog "Setting", opened by command 196 and driven by messages like a user's clicks.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/settings/settings_file.h"
#include "platform/win32/win32_services.h"
#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

constexpr int kList = 701;
constexpr int kName = 725;

std::string SettingsFile(const std::string& name) {
    return DriverFolder() + "\\SETTINGS\\" + name;
}

bool Exists(const std::string& name) {
    return ::GetFileAttributesA(SettingsFile(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

SettingsBlock BlockOfType(int32_t imageType) {
    SettingsBlock block;
    block.imageType = imageType;
    block.scanResolution = 300;
    block.scalePercent = 100;
    block.areaWidth = 850;
    block.areaHeight = 1100;
    return block;
}

// A saved setting whose marquees have these document rectangles, each carrying `imageType`.
void WriteSaved(const std::string& baseName,
                const std::string& name,
                int32_t imageType,
                std::initializer_list<Rect> documents = {}) {
    std::vector<Marquee> marquees;
    for (const Rect& document : documents) {
        Marquee& marquee = marquees.emplace_back();
        marquee.document = document;
        marquee.settings = BlockOfType(imageType);
    }
    Win32FileSystem files;
    WriteSettingsFile(files, SettingsFile(baseName + ".set"), name, marquees, BlockOfType(imageType));
}

std::vector<std::string> Lines(HWND dialog) {
    std::vector<std::string> lines;
    const auto count = static_cast<int>(::SendDlgItemMessageA(dialog, kList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        ::SendDlgItemMessageA(dialog, kList, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        lines.emplace_back(text);
    }
    return lines;
}

// Selects the lines as a click and shift-clicks do: the caret on the first, one change notification.
void Select(HWND dialog, std::initializer_list<int> lines) {
    HWND box = ::GetDlgItem(dialog, kList);
    ::SendMessageA(box, LB_SETSEL, FALSE, -1);
    for (int line : lines) {
        ::SendMessageA(box, LB_SETSEL, TRUE, line);
    }
    ::SendMessageA(box, LB_SETCARETINDEX, static_cast<WPARAM>(*lines.begin()), FALSE);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

void Type(HWND dialog, const std::string& name) {
    ::SetDlgItemTextA(dialog, kName, name.c_str());
}

class SettingsDialogTest : public MainWindowTest {
  protected:
    // Starts with "Save values" on and, in the settings folder the harness empties, the files `write` makes.
    HWND StartWith(const std::function<void()>& write = {}) { return Start(kSaveValuesOn, 2, write); }
    HWND Open() {
        Click(main_, 196);
        Harness().Pump();
        return ::FindWindowA(nullptr, "Setting");
    }
    HWND Restart() {
        Click(main_, 1019);
        Harness().deleteDialog();
        main_ = Harness().Activate();
        Harness().Pump();
        return main_;
    }
};

// Numbering, cleaning and cutting the names and asking before a replacement are SettingsListTest's.
TEST_F(SettingsDialogTest, ASavedSettingIsListedAndKeptWithOkAndTheDialogKeepsItsPlace) {
    ASSERT_NE(StartWith(), nullptr);
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Exists("mrqsav.tmp"));
    EXPECT_EQ(Text(dialog, kName), "User Defined");
    EXPECT_EQ(Text(dialog, 705), "Front");
    Type(dialog, "  Photo, large");
    Click(dialog, 702);
    EXPECT_EQ(Lines(dialog), (std::vector<std::string>{"Photo_ large"}));
    EXPECT_TRUE(Exists("ENV0000.set"));

    ::SetWindowPos(dialog, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Click(dialog, IDOK);
    EXPECT_FALSE(::IsWindow(dialog));
    ASSERT_NE(Restart(), nullptr);
    EXPECT_EQ(IniValue("Dialog Position", "Settings X"), "40");
    dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Lines(dialog), (std::vector<std::string>{"Photo_ large"}));
    RECT rect{};
    ::GetWindowRect(dialog, &rect);
    EXPECT_EQ(rect.left, 40);
}

TEST_F(SettingsDialogTest, SelectedSettingsCombineTheirMarqueesAndOneWithoutMarqueesAppliesItsBlock) {
    ASSERT_NE(StartWith([] {
                  WriteSaved("ENV0000", "Two", 1, {{100, 100, 900, 900}, {1000, 1000, 1900, 1900}});
                  WriteSaved("ENV0001", "Three", 1,
                             {{2000, 2000, 2900, 2900}, {3000, 3000, 3900, 3900}, {4000, 4000, 4900, 4900}});
                  WriteSaved("ENV0002", "Plain", 5);
              }),
              nullptr);
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    Select(dialog, {0, 1});
    EXPECT_EQ(Text(dialog, kName), "Two");
    EXPECT_TRUE(Enabled(dialog, 724));
    Click(dialog, IDOK);
    Click(main_, 1019);
    // Each marquee read goes to the head of the list, which the environment file keeps from the head.
    std::vector<int32_t> lefts;
    for (const Marquee& record : EnvironmentRecords()) {
        lefts.push_back(record.document.left);
    }
    EXPECT_EQ(lefts, (std::vector<int32_t>{4000, 3000, 2000, 1000, 100}));

    ASSERT_NE(Restart(), nullptr);
    dialog = Open();
    Select(dialog, {2});
    EXPECT_EQ(Text(dialog, 706), "Line Art");
    EXPECT_FALSE(Enabled(dialog, 724));
    Click(dialog, IDOK);
    Click(main_, 1019);
    EXPECT_EQ(IniValue("Settings", "SCAN MODE"), "5");
    EXPECT_TRUE(EnvironmentRecords().empty());
}

// Cancel keeping a deleted file is SettingsListTest.CommitDeletesTheDeletedFilesAndDiscardOnlyTheNewOnes.
TEST_F(SettingsDialogTest, CancelDropsNewFilesAndOkRemovesDeletedOnes) {
    ASSERT_NE(StartWith([] {
                  for (int i = 0; i < 5; ++i) {
                      WriteSaved("ENV000" + std::to_string(i), "Setting " + std::to_string(i), 1);
                  }
              }),
              nullptr);
    HWND dialog = Open();
    Type(dialog, "New");
    Click(dialog, 702);
    EXPECT_TRUE(Exists("ENV0005.set"));
    Click(dialog, IDCANCEL);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_FALSE(Exists("ENV0005.set"));

    dialog = Open();
    Select(dialog, {3});
    EXPECT_FALSE(Enabled(dialog, 703));  // the first entries are presets
    Select(dialog, {4});
    ASSERT_TRUE(Enabled(dialog, 703));
    EXPECT_NE(ClickAnswering(dialog, 703, "KORVA SF TWAIN", IDYES), "");
    EXPECT_EQ(Lines(dialog).size(), 4u);
    EXPECT_EQ(Text(dialog, kName), "User Defined");
    EXPECT_TRUE(Exists("ENV0004.set"));  // until OK
    Click(dialog, IDOK);
    EXPECT_FALSE(Exists("ENV0004.set"));
}

TEST_F(SettingsDialogTest, BatchNamesTheSelectedSettingsBeforeTheScanOfAllMarqueesStarts) {
    ASSERT_NE(StartWith([] {
                  WriteSaved("ENV0000", "Colour", 1, {{100, 100, 900, 900}});
                  WriteSaved("ENV0001", "Gray", 4, {{1000, 1000, 1900, 1900}});
                  WriteSaved("ENV0002", "Line art", 5, {{2000, 2000, 2900, 2900}});
              }),
              nullptr);
    Harness().recording.watchFile(IniPath().c_str());
    HWND dialog = Open();
    Select(dialog, {0, 1, 2});
    Click(dialog, 724);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ(IniValue("BatchMode", "Batch 2"), "ENV0002");  // the keys are SettingsListTest's
    ASSERT_STREQ(Harness().recording.calls(), "UIFinalScan");
    EXPECT_STREQ(Harness().recording.batchTotalsAtCalls(), "3");
    EXPECT_EQ(Snapshot(Harness(), 0).Get(ctx::batchActive), 1);

    for (int next = 1; next <= 2; ++next) {
        Click(main_, 213);
        EXPECT_EQ(Snapshot(Harness(), next).Get(ctx::batchIndex), next);
    }
    Click(main_, 213);
    EXPECT_STREQ(Harness().recording.calls(), "UIFinalScan UIFinalScan UIFinalScan");
}

}  // namespace
}  // namespace korva::test
