#include "core/mainwin/page_keys.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>

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

TEST(PageAfterKeyTest, CtrlKeysWrapAroundArrowsOnTheLabelStopAtTheEndsAndTheRestIsLeftToTheDialog) {
    const struct {
        PageKeyPress press;
        int32_t from;
        std::optional<int32_t> to;
    } keys[] = {
        {Ctrl(kKeyTab), kOcr, kPhoto},
        {Ctrl(kKeyTab), kPhoto, kOcr},
        {Ctrl(kKeyTab, true), kPhoto, kOcr},
        {Ctrl(kKeyPageDown), kPhoto, kOcr},
        {Ctrl(kKeyPageUp), kOcr, kPhoto},
        {OnLabel(kKeyRight), kOcr, kPhoto},
        {OnLabel(kKeyRight), kPhoto, kPhoto},  // consumed, nothing to the right
        {OnLabel(kKeyLeft), kPhoto, kOcr},
        {OnLabel(kKeyLeft), kOcr, kOcr},
        {PageKeyPress{.key = kKeyTab}, kOcr, std::nullopt},       // plain Tab moves the focus
        {PageKeyPress{.key = kKeyRight}, kOcr, std::nullopt},     // an arrow elsewhere
        {PageKeyPress{.key = kKeyPageDown}, kOcr, std::nullopt},  // without Ctrl
        {Ctrl(kKeyPageDown, true), kOcr, std::nullopt},
        {Ctrl(kKeyRight), kOcr, std::nullopt},
        {PageKeyPress{.key = kKeyTab, .ctrl = true, .alt = true}, kOcr, std::nullopt},  // AltGr
        {PageKeyPress{.key = kKeyRight, .shift = true, .onActiveLabel = true}, kOcr, std::nullopt},
    };
    for (size_t i = 0; i < std::size(keys); ++i) {
        EXPECT_EQ(PageAfterKey(keys[i].press, keys[i].from), keys[i].to) << "row " << i;
    }
}

}  // namespace
}  // namespace korva
