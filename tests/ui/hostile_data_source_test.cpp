// The module with HOSTILEDS.DS as its data source: broken previews, a block out of range and messages
// nobody asked for leave the module running, without a preview, and with its files whole.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/ui/support/hostile_ds/hostile_cases.h"
#include "tests/ui/support/main_window_fixture.h"
#include "tools/common/library_entry.h"

namespace korva::test {
namespace {

constexpr char kIniBody[] = "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n";
constexpr char kHostileName[] = "HOSTILEDS.DS";

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Enabled(HWND dialog, int id) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

class HostileDataSourceTest : public MainWindowTest {
  protected:
    ~HostileDataSourceTest() override { Stop(); }

    // Activates the module with HOSTILEDS.DS named as its data source in the INI file, on the block of a
    // described scanner that the data source then spoils as `spoil` says.
    HWND StartHostile(std::optional<HostileContext> spoil = {}) {
        Stop();
        harness_ = std::make_unique<ModuleHarness>(kIniBody);
        const std::string installed = DriverFolder() + "\\" + kHostileName;
        ::CopyFileA((TestProgramFolder() + "\\" + kHostileName).c_str(), installed.c_str(), FALSE);
        ::WritePrivateProfileStringA("QXTWAINds", "DataSource", (std::string("\\") + kHostileName).c_str(),
                                     IniPath().c_str());
        dataSource_ = ::LoadLibraryA(installed.c_str());
        if (!harness_->Loaded() || !dataSource_) {
            return nullptr;
        }
        setPreview_ = tools::LibraryEntry<HostileSetPreviewProc>(dataSource_, "HostileDs_SetPreview");
        const auto spoilContext = tools::LibraryEntry<HostileSpoilContextProc>(dataSource_, "HostileDs_SpoilContext");
        const auto setTarget = tools::LibraryEntry<HostileSetTargetProc>(dataSource_, "HostileDs_SetTarget");
        harness_->DescribeScanner();
        if (spoil) {
            spoilContext(harness_->Context(), static_cast<int>(*spoil));
        }
        main_ = harness_->Activate();
        harness_->Pump();
        setTarget(main_);
        return main_;
    }

    void Stop() {
        harness_.reset();
        if (dataSource_) {
            ::FreeLibrary(dataSource_);
            dataSource_ = nullptr;
        }
    }

    HMODULE dataSource_ = nullptr;
    HostileSetPreviewProc setPreview_ = nullptr;
};

TEST_F(HostileDataSourceTest, BrokenPreviewsShowNothingAndLeaveThePreviewFileAsItWas) {
    ASSERT_NE(StartHostile(), nullptr);
    WritePreviewFile(40, 30);
    const std::string previewFile = DriverFolder() + "\\PREVIB7.BMP";
    const std::string before = FileBytes(previewFile);
    ASSERT_FALSE(before.empty());
    for (int preview = 0; preview < static_cast<int>(HostilePreview::kCount); ++preview) {
        setPreview_(preview);
        Click(main_, 733);
        Harness().Pump();
        ASSERT_TRUE(::IsWindow(main_)) << preview;
        EXPECT_FALSE(Enabled(VisiblePageWith(main_, 956), 956)) << preview;  // locating has no picture
        EXPECT_EQ(FileBytes(previewFile), before) << preview;
    }
    const auto previewCalls = tools::LibraryEntry<HostilePreviewCallsProc>(dataSource_, "HostileDs_PreviewCalls");
    EXPECT_EQ(previewCalls(), static_cast<int>(HostilePreview::kCount));  // every preview came from it
    // The data source's busy messages with unknown codes and its command to continue a scan of all
    // marquees when none runs change nothing for good.
    Click(main_, 1);
    Harness().Pump();
    ASSERT_TRUE(::IsWindow(main_));
    EXPECT_TRUE(Enabled(main_, 1));
    EXPECT_TRUE(Enabled(main_, 733));
    Click(main_, 1019);
    Harness().Pump();
    EXPECT_EQ(FileBytes(previewFile), before);
    EXPECT_EQ(IniValue("QXTWAINds", "Version"), "1.10E");
}

TEST_F(HostileDataSourceTest, ABlockOutOfRangeStillGivesAWorkingWindow) {
    for (int spoil = 0; spoil < static_cast<int>(HostileContext::kCount); ++spoil) {
        ASSERT_NE(StartHostile(static_cast<HostileContext>(spoil)), nullptr) << spoil;
        // Preview, scan (during which the data source sends its unasked-for messages) and close.
        setPreview_(static_cast<int>(HostilePreview::kEnormous));
        for (int id : {733, 1}) {
            Click(main_, id);
            Harness().Pump();
            ASSERT_TRUE(::IsWindow(main_)) << spoil;
        }
        EXPECT_TRUE(Enabled(main_, 1)) << spoil;  // the last busy message freed the buttons again
        Click(main_, 1019);
        Harness().Pump();
        EXPECT_EQ(IniValue("QXTWAINds", "Version"), "1.10E") << spoil;
    }
}

}  // namespace
}  // namespace korva::test
