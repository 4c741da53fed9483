// The module's exports and the lifecycle of its one user-interface object, through the real DLL.
#include <gtest/gtest.h>

#include "tests/ui/support/module_harness.h"

namespace korva::test {
namespace {

class LifecycleTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(harness.Loaded()); }
    ModuleHarness harness;
};

TEST_F(LifecycleTest, ActivatingTwiceWithOneParentKeepsTheMainWindow) {
    uint8_t other[KORVA_SOURCE_CONTEXT_SIZE] = {};
    HWND first = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(::IsWindowVisible(first));
    EXPECT_EQ(::GetParent(first), harness.Parent());  // owned by the data source's window

    HWND second = harness.activate(harness.Parent(), other);
    EXPECT_EQ(second, first);
    EXPECT_TRUE(::IsWindow(first));
}

TEST_F(LifecycleTest, DeleteThenActivateBuildsANewMainWindow) {
    HWND first = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(first, nullptr);
    harness.deleteDialog();
    EXPECT_FALSE(::IsWindow(first));

    HWND second = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(::IsWindow(second));
    EXPECT_NE(second, first);
}

TEST_F(LifecycleTest, HideKeepsTheDialogForTheNextActivation) {
    EXPECT_FALSE(harness.hide());  // no user interface yet
    HWND first = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(harness.hide());
    EXPECT_FALSE(::IsWindowVisible(first));
    EXPECT_TRUE(::IsWindow(first));

    EXPECT_EQ(harness.activate(harness.Parent(), harness.Context()), first);
    EXPECT_TRUE(::IsWindowVisible(first));
}

TEST_F(LifecycleTest, IsDialogMsgServesOnlyAnActiveUserInterface) {
    MSG message{};
    message.message = WM_KEYDOWN;
    message.wParam = VK_TAB;
    EXPECT_FALSE(harness.isDialogMsg(&message));  // before any activation

    HWND main = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(main, nullptr);
    message.hwnd = ::GetDlgItem(main, 733);
    EXPECT_TRUE(harness.isDialogMsg(&message));  // a key for a control of the main dialog

    MSG foreign = message;
    foreign.hwnd = harness.Parent();
    EXPECT_FALSE(harness.isDialogMsg(&foreign));  // a key for a window that is not the module's

    harness.deleteDialog();
    EXPECT_FALSE(harness.isDialogMsg(&message));
}

TEST_F(LifecycleTest, DeleteWithoutAUserInterfaceAndPostProcessChangeNothing) {
    harness.deleteDialog();
    harness.postProcess(1, 2);
    HWND main = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(main, nullptr);
    harness.postProcess(0xFFFFFFFF, 0);
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_EQ(harness.activate(harness.Parent(), harness.Context()), main);
}

TEST_F(LifecycleTest, ClosingTheMainDialogLetsTheNextActivationCreateItAgain) {
    HWND first = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(first, nullptr);
    ::DestroyWindow(first);
    HWND second = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(::IsWindow(second));
}

TEST_F(LifecycleTest, ExportsCalledInTheWrongOrderDoNothingHarmful) {
    EXPECT_FALSE(harness.isDialogMsg(nullptr));
    harness.deleteDialog();
    harness.deleteDialog();
    EXPECT_FALSE(harness.hide());

    HWND first = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(harness.isDialogMsg(nullptr));
    harness.deleteDialog();
    harness.deleteDialog();  // twice
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_FALSE(harness.hide());  // no window left to hide
    MSG message{};
    message.hwnd = first;
    message.message = WM_KEYDOWN;
    message.wParam = VK_TAB;
    EXPECT_FALSE(harness.isDialogMsg(&message));

    // A window destroyed behind the module's back can be neither hidden nor deleted twice.
    HWND second = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(second, nullptr);
    ::DestroyWindow(second);
    EXPECT_FALSE(harness.hide());
    harness.deleteDialog();
    harness.deleteDialog();
    HWND third = harness.activate(harness.Parent(), harness.Context());
    ASSERT_NE(third, nullptr);
    EXPECT_TRUE(::IsWindowVisible(third));
}

}  // namespace
}  // namespace korva::test
