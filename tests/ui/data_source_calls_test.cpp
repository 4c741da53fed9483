// Calls into a data source by name through the Windows library functions.
#include "core/boundary/data_source_calls.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_services.h"
#include "tests/ui/support/module_harness.h"

namespace korva::test {
namespace {

std::string RecordingDsPath() {
    return TestProgramFolder() + "\\RECORDDS.DS";
}

TEST(DataSourceCallsTest, AnEntryIsCalledAndTheLibraryReleasedAgain) {
    Win32LibraryLoader loader;
    EXPECT_EQ(CallDataSource(loader, RecordingDsPath(), kEntryFinalScan), 1);
    EXPECT_EQ(::GetModuleHandleA("RECORDDS.DS"), nullptr);
}

TEST(DataSourceCallsTest, AMissingLibraryYieldsZero) {
    Win32LibraryLoader loader;
    EXPECT_EQ(CallDataSource(loader, TestProgramFolder() + "\\NOSUCH.DS", kEntryPreviewScan), 0);
}

TEST(DataSourceCallsTest, AMissingEntryYieldsZeroAndLeavesTheLibraryLoaded) {
    Win32LibraryLoader loader;
    EXPECT_EQ(CallDataSource(loader, RecordingDsPath(), "UINoSuchEntry"), 0);
    HMODULE stillLoaded = ::GetModuleHandleA("RECORDDS.DS");
    EXPECT_NE(stillLoaded, nullptr);
    if (stillLoaded) {
        ::FreeLibrary(stillLoaded);
    }
}

}  // namespace
}  // namespace korva::test
