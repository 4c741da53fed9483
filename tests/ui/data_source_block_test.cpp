// What the module leaves in the data source's block: the handle of the preview picture, the typed
// transfer size, and a scan in the block handed over by a later activation.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/ui/support/main_window_fixture.h"

namespace korva::test {
namespace {

TEST_F(MainWindowTest, ThePreviewHandleTheTypedPixelSizeAndAScanGoToTheLatestBlock) {
    ASSERT_NE(Start("[Settings]\r\nSave values=1\r\nAuto Preview=0\r\nDISP UNIT=1\r\n"), nullptr);
    HGLOBAL picture = MakePreviewBlock(300, 388);
    Harness().recording.setPreview(picture);
    Click(main_, 733);
    uint32_t atOffset = 0;  // where the data source reads it
    std::copy(Harness().Context() + 1354, Harness().Context() + 1358, reinterpret_cast<uint8_t*>(&atOffset));
    EXPECT_EQ(atOffset, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(picture)));

    HWND width = ::GetDlgItem(main_, 191);
    ::SetFocus(width);
    ::SetWindowTextA(width, "600");
    ::SetFocus(::GetDlgItem(main_, 1));
    Harness().Pump();
    const SourceContext block(Harness().Context());
    EXPECT_EQ(block.Get(ctx::typedWidthPixels), 600);
    EXPECT_GT(block.Get(ctx::typedHeightPixels), 0);

    alignas(8) std::array<uint8_t, 2048> later{};
    std::copy(Harness().Context(), Harness().Context() + later.size(), later.begin());
    ASSERT_EQ(Harness().activate(Harness().Parent(), later.data()), main_);
    Click(main_, 1);
    EXPECT_EQ(SourceContext(later.data()).Get(ctx::isFinal), 1);
    EXPECT_EQ(block.Get(ctx::isFinal), 0);
}

}  // namespace
}  // namespace korva::test
