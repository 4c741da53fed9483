#include "core/mainwin/page_keys.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

constexpr int32_t kOcr = 1;
constexpr int32_t kPhoto = 0;

PageKeyPress Ctrl(uint32_t key, bool shift = false) {
    return PageKeyPress{.key = key, .ctrl = true, .shift = shift};
}

PageKeyPress OnLabel(uint32_t key) {
    return PageKeyPress{.key = key, .onActiveLabel = true};
}

TEST(PageAfterKeyTest, CtrlTabAndCtrlPageKeysStepThroughThePagesAndWrapAround) {
    for (int32_t from : {kOcr, kPhoto}) {
        const int32_t other = from == kOcr ? kPhoto : kOcr;
        EXPECT_EQ(PageAfterKey(Ctrl(kKeyTab), from), other);
        EXPECT_EQ(PageAfterKey(Ctrl(kKeyTab, true), from), other);
        EXPECT_EQ(PageAfterKey(Ctrl(kKeyPageDown), from), other);
        EXPECT_EQ(PageAfterKey(Ctrl(kKeyPageUp), from), other);
    }
}

TEST(PageAfterKeyTest, ArrowsOnTheActiveLabelGoToTheNeighbourAndStopAtTheEnds) {
    EXPECT_EQ(PageAfterKey(OnLabel(kKeyRight), kOcr), kPhoto);
    EXPECT_EQ(PageAfterKey(OnLabel(kKeyRight), kPhoto), kPhoto);  // consumed, nothing to the right
    EXPECT_EQ(PageAfterKey(OnLabel(kKeyLeft), kPhoto), kOcr);
    EXPECT_EQ(PageAfterKey(OnLabel(kKeyLeft), kOcr), kOcr);
}

TEST(PageAfterKeyTest, OtherKeysAndCombinationsAreLeftToTheDialog) {
    EXPECT_FALSE(PageAfterKey(PageKeyPress{.key = kKeyTab}, kOcr));       // plain Tab moves the focus
    EXPECT_FALSE(PageAfterKey(PageKeyPress{.key = kKeyRight}, kOcr));     // an arrow elsewhere
    EXPECT_FALSE(PageAfterKey(PageKeyPress{.key = kKeyPageDown}, kOcr));  // without Ctrl
    EXPECT_FALSE(PageAfterKey(Ctrl(kKeyPageDown, true), kOcr));           // Ctrl+Shift+PageDown
    EXPECT_FALSE(PageAfterKey(Ctrl(kKeyRight), kOcr));                    // Ctrl+Right
    EXPECT_FALSE(PageAfterKey(PageKeyPress{.key = kKeyTab, .ctrl = true, .alt = true}, kOcr));  // AltGr
    EXPECT_FALSE(PageAfterKey(PageKeyPress{.key = kKeyRight, .shift = true, .onActiveLabel = true}, kOcr));
}

}  // namespace
}  // namespace korva
