// What the keyboard needs of every window of the module, read from the live windows: mnemonics that
// are unique within each window, a default button for Enter, and a tab order that follows the layout.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

std::string ClassOf(HWND window) {
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

bool ContainsControls(HWND window) {
    return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
}

// The mnemonic letters of the shown buttons and labels of `parent`, with the child dialogs inside it
// (the tab pages), each with the texts that carry it.
void CollectMnemonics(HWND parent, std::map<char, std::vector<std::string>>& mnemonics) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = ::GetWindowLongA(child, GWL_STYLE);
        if (!(style & WS_VISIBLE)) {
            continue;
        }
        if (ContainsControls(child)) {
            CollectMnemonics(child, mnemonics);
            continue;
        }
        const std::string kind = ClassOf(child);
        const bool labelled = kind == "Button" || (kind == "Static" && !(style & SS_NOPREFIX));
        char text[128] = {};
        ::GetWindowTextA(child, text, sizeof text);
        const std::string label = text;
        for (size_t i = 0; labelled && i + 1 < label.size(); ++i) {
            if (label[i] == '&') {
                if (label[i + 1] != '&') {
                    mnemonics[static_cast<char>(std::tolower(static_cast<unsigned char>(label[i + 1])))].push_back(
                        label);
                    break;
                }
                ++i;
            }
        }
    }
}

void ExpectUniqueMnemonics(HWND window, const std::string& name) {
    std::map<char, std::vector<std::string>> mnemonics;
    CollectMnemonics(window, mnemonics);
    EXPECT_GT(mnemonics.size(), 0u) << name;
    for (const auto& [letter, labels] : mnemonics) {
        EXPECT_EQ(labels.size(), 1u) << name << ": '" << letter << "' on " << ::testing::PrintToString(labels);
    }
}

void ExpectDefaultButton(HWND window, const std::string& name) {
    const LRESULT answer = ::SendMessageA(window, DM_GETDEFID, 0, 0);
    ASSERT_EQ(HIWORD(answer), DC_HASDEFID) << name;
    HWND button = ::GetDlgItem(window, LOWORD(answer));
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON) << name;
}

// A click on the middle of the OCR page's label, as the mouse sends it to the dialog.
void ClickOcrLabel(HWND main) {
    RECT label{};
    ::GetWindowRect(::GetDlgItem(main, 154), &label);
    POINT middle{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    ::ScreenToClient(main, &middle);
    ::SendMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
}

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// The windows the module opens from its templates, made from the module's own resources.
TEST_F(MainWindowTest, EveryWindowHasUniqueMnemonicsAndADefaultButton) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    HMODULE module = ::GetModuleHandleA("KVSCANUI.DLL");
    ASSERT_NE(module, nullptr);
    for (const char* name : {"SCANQUILLA2", "SCANQUILLA3", "TOOLS", "COLOR", "SCANMODE", "TARGMODE", "Config",
                             "Config98", "FOCUS", "Setting", "GAMMA"}) {
        HWND window = ::CreateDialogParamA(module, name, main_, PlainDialog, 0);
        ASSERT_NE(window, nullptr) << name;
        ExpectUniqueMnemonics(window, name);
        ExpectDefaultButton(window, name);
        ::DestroyWindow(window);
    }

    // The main dialog with each page, and the advanced panel as the module fills them.
    ExpectDefaultButton(main_, "main");
    ExpectUniqueMnemonics(main_, "main with the Photo page");
    ClickOcrLabel(main_);
    ASSERT_NE(VisiblePageWith(main_, 980), nullptr);
    ExpectUniqueMnemonics(main_, "main with the OCR page");

    Click(main_, 354);
    HWND advanced = ::FindWindowA("#32770", "Advanced");
    ASSERT_NE(advanced, nullptr);
    ExpectUniqueMnemonics(advanced, "Advanced");
    ExpectDefaultButton(advanced, "Advanced");
}

struct TabStop {
    std::string name;
    RECT rect;
};

// The shown tab stops of `parent` in the order the Tab key visits them, enabled or not (the enabled
// set changes with the preview and the marquees; the order must hold for all of them).
void CollectTabStops(HWND parent, std::vector<TabStop>& stops) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) {
            continue;
        }
        if (ContainsControls(child)) {
            CollectTabStops(child, stops);
        } else if (::GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) {
            RECT rect{};
            ::GetWindowRect(child, &rect);
            stops.push_back({ClassOf(child) + " " + std::to_string(::GetDlgCtrlID(child)), rect});
        }
    }
}

LONG Middle(const RECT& rect) {
    return (rect.top + rect.bottom) / 2;
}

bool SameRow(const RECT& a, const RECT& b) {
    return (Middle(b) >= a.top && Middle(b) < a.bottom) || (Middle(a) >= b.top && Middle(a) < b.bottom);
}

// The main dialog has two columns: the pages with the command buttons on the left, the preview with
// the size fields on the right. Tab goes down the left column, then down the right one; within a
// column each stop lies on the row of the one before and right of it, or on a lower row.
void ExpectLayoutOrder(HWND main, const std::string& page) {
    std::vector<TabStop> stops;
    CollectTabStops(main, stops);
    ASSERT_GT(stops.size(), 10u) << page;
    RECT logo{};
    ::GetWindowRect(::GetDlgItem(main, 199), &logo);
    const LONG rightColumn = logo.left;
    for (size_t i = 1; i < stops.size(); ++i) {
        const TabStop& before = stops[i - 1];
        const TabStop& next = stops[i];
        const bool beforeRight = before.rect.left >= rightColumn;
        const bool nextRight = next.rect.left >= rightColumn;
        const std::string pair = page + ": " + before.name + " then " + next.name;
        if (beforeRight != nextRight) {
            EXPECT_TRUE(nextRight) << pair;  // the one step from the left column to the right one
            continue;
        }
        if (SameRow(before.rect, next.rect)) {
            EXPECT_GT(next.rect.left, before.rect.left) << pair;
        } else {
            EXPECT_GT(Middle(next.rect), Middle(before.rect)) << pair;
        }
    }
    EXPECT_LT(stops.front().rect.left, rightColumn) << page;
    EXPECT_GE(stops.back().rect.left, rightColumn) << page;
}

TEST_F(MainWindowTest, TheTabOrderOfTheMainDialogFollowsItsLayout) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    ExpectLayoutOrder(main_, "Photo");
    ClickOcrLabel(main_);
    ASSERT_NE(VisiblePageWith(main_, 980), nullptr);
    ExpectLayoutOrder(main_, "OCR");
}

}  // namespace
}  // namespace korva::test
