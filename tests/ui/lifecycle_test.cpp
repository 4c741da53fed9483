// The module's exports and the lifecycle of its one user-interface object, through the real DLL.
#include <gtest/gtest.h>

#include "tests/ui/support/module_harness.h"

namespace korva::test {
namespace {

class LifecycleTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(harness.Loaded()); }
    HWND Activate(uint8_t* context = nullptr) {
        return harness.activate(harness.Parent(), context ? context : harness.Context());
    }
    ModuleHarness harness;
};

TEST_F(LifecycleTest, ActivationKeepsTheOneMainWindowThroughHidingUntilItIsDeleted) {
    MSG key{};
    key.message = WM_KEYDOWN;
    key.wParam = VK_TAB;
    EXPECT_FALSE(harness.isDialogMsg(&key));  // no user interface yet
    EXPECT_FALSE(harness.hide());

    HWND first = Activate();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(::IsWindowVisible(first));
    EXPECT_EQ(::GetParent(first), harness.Parent());  // owned by the data source's window
    uint8_t other[KORVA_SOURCE_CONTEXT_SIZE] = {};
    EXPECT_EQ(Activate(other), first);
    key.hwnd = ::GetDlgItem(first, 733);
    EXPECT_TRUE(harness.isDialogMsg(&key));  // a key for a control of the main dialog
    MSG foreign = key;
    foreign.hwnd = harness.Parent();
    EXPECT_FALSE(harness.isDialogMsg(&foreign));

    EXPECT_TRUE(harness.hide());
    EXPECT_FALSE(::IsWindowVisible(first));
    EXPECT_EQ(Activate(), first);
    EXPECT_TRUE(::IsWindowVisible(first));
    harness.postProcess(0xFFFFFFFF, 0);
    EXPECT_TRUE(::IsWindowVisible(first));

    harness.deleteDialog();
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_FALSE(harness.isDialogMsg(&key));
    HWND second = Activate();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_TRUE(::IsWindowVisible(second));
}

TEST_F(LifecycleTest, ExportsCalledInTheWrongOrderDoNothingHarmful) {
    EXPECT_FALSE(harness.isDialogMsg(nullptr));
    harness.deleteDialog();
    harness.deleteDialog();
    harness.postProcess(1, 2);
    EXPECT_FALSE(harness.hide());

    HWND first = Activate();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(harness.isDialogMsg(nullptr));
    harness.deleteDialog();
    harness.deleteDialog();
    EXPECT_FALSE(harness.hide());  // no window left to hide

    // A window destroyed behind the module's back can be neither hidden nor deleted twice, and the next
    // activation creates it again.
    HWND second = Activate();
    ASSERT_NE(second, nullptr);
    ::DestroyWindow(second);
    EXPECT_FALSE(harness.hide());
    harness.deleteDialog();
    harness.deleteDialog();
    HWND third = Activate();
    ASSERT_NE(third, nullptr);
    EXPECT_TRUE(::IsWindowVisible(third));
}

}  // namespace
}  // namespace korva::test
