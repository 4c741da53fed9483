// Calls into a data source by name through the Windows library functions; the decisions around the
// loader are pinned by the native DataSourceCallsTest.
#include "core/boundary/data_source_calls.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_services.h"
#include "tests/ui/support/module_harness.h"

namespace korva::test {
namespace {

TEST(DataSourceCallsTest, AnEntryIsCalledAndReleasedAndAMissingEntryOrLibraryYieldsZero) {
    Win32LibraryLoader loader;
    const std::string recording = TestProgramFolder() + "\\RECORDDS.DS";
    EXPECT_EQ(CallDataSource(loader, recording, kEntryFinalScan), 1);
    EXPECT_EQ(::GetModuleHandleA("RECORDDS.DS"), nullptr);

    EXPECT_EQ(CallDataSource(loader, TestProgramFolder() + "\\NOSUCH.DS", kEntryPreviewScan), 0);

    EXPECT_EQ(CallDataSource(loader, recording, "UINoSuchEntry"), 0);
    HMODULE stillLoaded = ::GetModuleHandleA("RECORDDS.DS");
    EXPECT_NE(stillLoaded, nullptr);
    if (stillLoaded) {
        ::FreeLibrary(stillLoaded);
    }
}

}  // namespace
}  // namespace korva::test
