// The simulated scanner reached the way any TWAIN application reaches a source: through the platform's
// source manager twain_32.dll and its DSM_Entry only. Wine's source manager does not enumerate a folder:
// it loads "sane.ds" from the Windows directory's "twain_64" folder, so the source is installed there.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "tests/ui/support/module_harness.h"
#include "tools/common/library_entry.h"
#include "tools/common/twain_defs.h"

namespace korva::test {
namespace {

namespace twain = korva::twain;

using DsmEntryProc = uint16_t(WINAPI*)(twain::TwIdentity* origin,
                                       twain::TwIdentity* dest,
                                       uint32_t group,
                                       uint16_t dat,
                                       uint16_t msg,
                                       void* data);

class SourceManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char windows[MAX_PATH] = {};
        ::GetWindowsDirectoryA(windows, MAX_PATH);
        const std::string folder = std::string(windows) + "\\twain_64";
        ::CreateDirectoryA(folder.c_str(), nullptr);
        ASSERT_TRUE(::CopyFileA((TestProgramFolder() + "\\LOMTWNS.DS").c_str(), (folder + "\\sane.ds").c_str(), FALSE));
        manager_ = ::LoadLibraryA("twain_32.dll");
        entry_ = tools::LibraryEntry<DsmEntryProc>(manager_, "DSM_Entry");
        ASSERT_NE(entry_, nullptr);
        window_ =
            ::CreateWindowA("STATIC", "application", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        application_.protocolMajor = twain::kProtocolMajor;
        application_.protocolMinor = twain::kProtocolMinor;
        application_.supportedGroups = twain::kGroupControl | twain::kDgImage | twain::kDfApp2;
        std::strcpy(application_.productName, "Source manager test");
        ASSERT_EQ(Call(nullptr, twain::kDatParent, twain::kMsgOpenDsm, &window_), twain::kRcSuccess);
    }

    void TearDown() override {
        Call(nullptr, twain::kDatParent, twain::kMsgCloseDsm, &window_);
        ::DestroyWindow(window_);
        ::FreeLibrary(manager_);
    }

    uint16_t Call(twain::TwIdentity* dest, uint16_t dat, uint16_t msg, void* data) {
        return entry_(&application_, dest, twain::kGroupControl, dat, msg, data);
    }

    // The identity of our source among those the source manager lists.
    bool FindSource(twain::TwIdentity& source) {
        for (uint16_t msg = twain::kMsgGetFirst; Call(nullptr, twain::kDatIdentity, msg, &source) == twain::kRcSuccess;
             msg = twain::kMsgGetNext) {
            if (std::strcmp(source.productName, "Korva Simulated Scanner") == 0) {
                return true;
            }
        }
        return false;
    }

    HMODULE manager_ = nullptr;
    DsmEntryProc entry_ = nullptr;
    HWND window_ = nullptr;
    twain::TwIdentity application_;
};

TEST_F(SourceManagerTest, ListsTheSourceOpensItAndReportsTheConditionOfAFailure) {
    twain::TwIdentity source;
    ASSERT_TRUE(FindSource(source));
    EXPECT_STREQ(source.manufacturer, "Korva");
    EXPECT_EQ(source.protocolMajor, twain::kProtocolMajor);
    EXPECT_NE(source.supportedGroups & twain::kDgImage, 0u);

    ASSERT_EQ(Call(nullptr, twain::kDatIdentity, twain::kMsgOpenDs, &source), twain::kRcSuccess);
    twain::TwStatus status;
    EXPECT_EQ(Call(&source, twain::kDatStatus, twain::kMsgSet, &status), twain::kRcFailure);
    ASSERT_EQ(Call(&source, twain::kDatStatus, twain::kMsgGet, &status), twain::kRcSuccess);
    EXPECT_EQ(status.conditionCode, twain::kCcBadProtocol);
    ASSERT_EQ(Call(&source, twain::kDatStatus, twain::kMsgGet, &status), twain::kRcSuccess);
    EXPECT_EQ(status.conditionCode, twain::kCcSuccess);
    EXPECT_EQ(Call(nullptr, twain::kDatIdentity, twain::kMsgCloseDs, &source), twain::kRcSuccess);
}

TEST_F(SourceManagerTest, EnablingTheSourceShowsTheModuleAndDisablingItRemovesIt) {
    PrepareDriverFolder();
    ASSERT_TRUE(::CopyFileA((TestProgramFolder() + "\\KVSCANUI.DLL").c_str(),
                            (DriverFolder() + "\\KVSCANUI.DLL").c_str(), FALSE));
    twain::TwIdentity source;
    ASSERT_TRUE(FindSource(source));
    ASSERT_EQ(Call(nullptr, twain::kDatIdentity, twain::kMsgOpenDs, &source), twain::kRcSuccess);
    twain::TwUserInterface ui;
    ui.parent = window_;
    ASSERT_EQ(Call(&source, twain::kDatUserInterface, twain::kMsgEnableDs, &ui), twain::kRcSuccess);
    HWND main = ::FindWindowA(nullptr, "KORVA Quorra Scan SF");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(::IsWindowVisible(main));

    ::PostMessageA(main, WM_NULL, 0, 0);
    MSG message;
    ASSERT_TRUE(::PeekMessageA(&message, main, 0, 0, PM_REMOVE));
    twain::TwEvent event{&message};
    EXPECT_EQ(Call(&source, twain::kDatEvent, twain::kMsgProcessEvent, &event), twain::kRcDsEvent);
    EXPECT_EQ(event.message, twain::kMsgNull);

    EXPECT_EQ(Call(&source, twain::kDatUserInterface, twain::kMsgDisableDs, &ui), twain::kRcSuccess);
    EXPECT_FALSE(::IsWindow(main));
    EXPECT_EQ(Call(nullptr, twain::kDatIdentity, twain::kMsgCloseDs, &source), twain::kRcSuccess);
}

}  // namespace
}  // namespace korva::test
