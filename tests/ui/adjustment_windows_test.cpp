// The advanced panel and the "Tools" and "Color" windows through the real module: what the user sets
// there reaches the final scan the recording data source sees.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "core/filter/colour_matrix.h"
#include "core/preview/packed_dib.h"
#include "tests/ui/support/main_window_fixture.h"
#include "tests/ui/support/pixel_canvas.h"
#include "tests/ui/window_helpers.h"

namespace korva::test {
namespace {

using Table = std::array<uint8_t, 256>;

class AdjustmentWindowsTest : public MainWindowTest {
  protected:
    HWND OpenAdvanced() {
        Click(main_, 354);
        return Find("Advanced");
    }
    // Whether the picture button `id` of `window` draws its pressed form (a black top edge; the raised
    // form's is white).
    static bool DrawnPressed(HWND window, int id) {
        PixelCanvas canvas(32, 32);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(id);
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = ::GetDlgItem(window, id);
        item.hDC = canvas.Dc();
        item.rcItem = {0, 0, 32, 32};
        ::SendMessageA(window, WM_DRAWITEM, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&item));
        return canvas.At(8, 0) == RGB(0, 0, 0);
    }
    // The visible top-level window with that caption.
    static HWND Find(const char* caption) {
        HWND window = nullptr;
        while ((window = ::FindWindowExA(nullptr, window, nullptr, caption)) && !::IsWindowVisible(window)) {
        }
        return window;
    }
    static void Choose(HWND dialog, int id, int index) {
        ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    }
    // Types into a value field and leaves it.
    static void Type(HWND dialog, int id, const char* text) {
        ::SetDlgItemTextA(dialog, id, text);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    }
    // Scans and returns the block the data source was handed.
    SourceContext Scan() {
        Click(main_, 1);
        return Snapshot(Harness(), Harness().recording.snapshotCount() - 1);
    }
    static Table RedTable(const SourceContext& block) {
        Table table{};
        std::memcpy(table.data(), block.Bytes(ctx::tableRed), table.size());
        return table;
    }
    // A preview of an even gray picture of `level`. A scan without a preview would reset the values.
    void Preview(uint8_t level = 200) {
        PackedDib dib = MakePackedDib24(300, 388);
        std::fill(dib.begin() + kInfoHeaderBytes, dib.end(), level);
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, dib.size());
        std::memcpy(::GlobalLock(block), dib.data(), dib.size());
        ::GlobalUnlock(block);
        Harness().recording.setPreview(block);
        Click(main_, 733);
        Harness().Pump();
    }
};

TEST_F(AdjustmentWindowsTest, TheAdvancedPanelOpensTheAdjustmentWindowsAndShowsHints) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    HWND advanced = OpenAdvanced();
    ASSERT_NE(advanced, nullptr);
    EXPECT_EQ(::GetWindow(advanced, GW_OWNER), main_);
    Click(advanced, 941);
    EXPECT_NE(Find("Tools"), nullptr);
    Click(advanced, 947);
    EXPECT_NE(Find("Color"), nullptr);
    EXPECT_EQ(Text(Find("Tools"), 211), "100");  // gamma at its default

    // Changing the document source closes the adjustment windows; the panel stays.
    Choose(advanced, 111, 0);
    EXPECT_EQ(Find("Tools"), nullptr);
    EXPECT_EQ(Find("Color"), nullptr);
    EXPECT_EQ(Find("Advanced"), advanced);

    ::SendMessageA(advanced, WM_SETCURSOR, reinterpret_cast<WPARAM>(::GetDlgItem(advanced, 941)), HTCLIENT);
    EXPECT_EQ(Text(main_, 1030), "Adjust exposure, gamma, highlight and shadow");
    Click(main_, 354);
    EXPECT_EQ(Find("Advanced"), nullptr);
}

TEST_F(AdjustmentWindowsTest, TypedAndScrolledValuesReachTheScanTablesAndMatrix) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    Preview();
    Click(OpenAdvanced(), 941);
    HWND tools = Find("Tools");
    ASSERT_NE(tools, nullptr);
    Type(tools, 201, "0");
    Type(tools, 211, "100");
    const Table before = RedTable(Scan());
    Type(tools, 201, "99");
    EXPECT_EQ(Text(tools, 201), "20");  // the exposure's maximum
    Type(tools, 201, "abc");
    EXPECT_EQ(Text(tools, 201), "20");  // refused: the value in force comes back
    Type(tools, 201, "10");
    Type(tools, 211, "180");
    EXPECT_EQ(::GetScrollPos(::GetDlgItem(tools, 210), SB_CTL), 180);
    EXPECT_EQ(Text(Find("Advanced"), 712), "10");
    const Table after = RedTable(Scan());
    EXPECT_NE(after, before);
    EXPECT_GT(after[128], before[128]);  // more exposure and a higher gamma brighten the middle tones

    // A scroll bar sets its value as typing does (ScrollPositionTest pins the steps).
    ::SendMessageA(tools, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300),
                   reinterpret_cast<LPARAM>(::GetDlgItem(tools, 220)));
    EXPECT_EQ(Text(tools, 221), "300");
    EXPECT_EQ(Text(Find("Advanced"), 714), "300");

    // Saturation -100 in the Color window hands the data source the gray matrix.
    Click(Find("Advanced"), 947);
    HWND color = Find("Color");
    ASSERT_NE(color, nullptr);
    Type(color, 271, "-100");
    const SourceContext block = Scan();
    const std::array<uint8_t, 9> gray = BuildDeviceColourMatrix(-100);
    EXPECT_EQ(std::memcmp(block.Bytes(ctx::colorMatrix), gray.data(), gray.size()), 0);
    EXPECT_EQ(block.Get(ctx::matrixValid), 1);
}

TEST_F(AdjustmentWindowsTest, InvertNeedsAPreviewAndInvertsTheScanTables) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    HWND advanced = OpenAdvanced();
    Click(advanced, 950);
    EXPECT_FALSE(DrawnPressed(advanced, 950));  // nothing to invert yet

    Preview();
    const Table plain = RedTable(Scan());
    Click(advanced, 950);
    EXPECT_TRUE(DrawnPressed(advanced, 950));
    const Table inverted = RedTable(Scan());
    for (size_t i = 0; i < plain.size(); ++i) {
        ASSERT_EQ(plain[i] + inverted[i], 255) << i;
    }
}

TEST_F(AdjustmentWindowsTest, TheFeederBecomesTheDocumentSourceOfTheScanAndTheIniFile) {
    ASSERT_NE(Start(kSaveValuesOn, 0), nullptr);
    HWND advanced = OpenAdvanced();
    EXPECT_FALSE(Enabled(advanced, 112));  // no film unit
    Choose(advanced, 111, 1);
    EXPECT_EQ(Text(advanced, 705), "Auto Document Feeder");
    EXPECT_EQ(Scan().Get(ctx::docSource), 1);
    Click(main_, 1019);
    EXPECT_EQ(IniValue("Settings", "DOC SOURCE"), "1");
}

TEST_F(AdjustmentWindowsTest, TheFilmSetUpSwitchesBetweenNegativeAndPositiveFilm) {
    ASSERT_NE(Start(kSaveValuesOn, 1), nullptr);
    HWND advanced = OpenAdvanced();
    Choose(advanced, 111, 1);
    ASSERT_TRUE(Enabled(advanced, 112));
    SourceContext block = Scan();
    EXPECT_EQ(block.Get(ctx::docSource), 1);
    EXPECT_EQ(block.Get(ctx::negativeFilm), 1);
    Click(advanced, 112);
    EXPECT_EQ(::SendDlgItemMessageA(advanced, 111, CB_GETCURSEL, 0, 0), 2);
    block = Scan();
    EXPECT_EQ(block.Get(ctx::docSource), 2);
    EXPECT_EQ(block.Get(ctx::negativeFilm), 0);
}

TEST_F(AdjustmentWindowsTest, ADestinationProposesItsResolutionAndSharpness) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    HWND advanced = OpenAdvanced();
    Choose(advanced, 115, 7);  // "InkJet Printer": 360 dpi for 24-bit colour, level "+1"
    EXPECT_EQ(Text(advanced, 708), "360 DPI");
    EXPECT_EQ(Text(advanced, 716), "1");
    EXPECT_EQ(Text(VisiblePageWith(main_, 372), 372), "360");
    EXPECT_EQ(Scan().Get(ctx::dsResolution), 360);
}

TEST_F(AdjustmentWindowsTest, TheWhitePointEyedropperSetsTheHighlightToThePickedLevel) {
    // The line-art page leaves the density lines neutral after a preview, so a level maps to itself.
    ASSERT_NE(Start("[Settings]\r\nSave values=1\r\nAuto Preview=0\r\nEyedrop=3\r\n[Tab Setting]\r\nTab Flag=1\r\n"
                    "BlackWhite Option=982\r\n"),
              nullptr);
    Preview(200);
    Click(OpenAdvanced(), 941);
    HWND tools = Find("Tools");
    ASSERT_NE(tools, nullptr);
    Click(tools, 438);
    HWND pane = ::FindWindowExA(main_, nullptr, "PREVIEW", nullptr);
    ::SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 60));
    ::SendMessageA(pane, WM_LBUTTONUP, 0, MAKELPARAM(50, 60));
    const int highlight = std::stoi(Text(tools, 221));
    EXPECT_GE(highlight, 199);
    EXPECT_LE(highlight, 200);
    EXPECT_EQ(Text(tools, 201), "2");  // the exposure follows the highlight
}

TEST_F(AdjustmentWindowsTest, AtLevelOneOnlyTheExposureCanBeSet) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    SourceContext(Harness().Context()).Set(ctx::level, 1);
    HWND advanced = OpenAdvanced();
    EXPECT_FALSE(Enabled(advanced, 947));
    Click(advanced, 941);
    HWND tools = Find("Tools");
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(Enabled(tools, 200));
    for (int id : {210, 221, 230, 241}) {
        EXPECT_FALSE(Enabled(tools, id)) << id;
    }
    Type(tools, 201, "10");
    EXPECT_EQ(Text(tools, 201), "3");  // the small range of level 1
}

// Drives the modal image-type customisation from a timer: a new row "My type" of 256 gray levels, saved,
// then OK. Records whether the built-in row shown first could be deleted.
bool g_builtinDeletable = true;

void CALLBACK DriveImageTypes(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ::FindWindowA(nullptr, "Image Types");
    if (!dialog) {
        return;
    }
    ::KillTimer(nullptr, timer);
    g_builtinDeletable = Enabled(dialog, 403);
    ::SetDlgItemTextA(dialog, 401, "My type");
    ::SendDlgItemMessageA(dialog, 410, CB_SETCURSEL, 4, 0);
    ::SendDlgItemMessageA(dialog, 402, BM_CLICK, 0, 0);
    ::SendDlgItemMessageA(dialog, IDOK, BM_CLICK, 0, 0);
}

TEST_F(AdjustmentWindowsTest, ANewImageTypeIsWrittenToTheIniFileAndChosen) {
    ASSERT_NE(Start(kSaveValuesOn), nullptr);
    HWND advanced = OpenAdvanced();
    ::SetTimer(nullptr, 0, 50, DriveImageTypes);
    Click(advanced, 114);
    EXPECT_FALSE(g_builtinDeletable);
    EXPECT_EQ(IniValue("IMAGE TYPES", "NUMBER OF SCAN MODES"), "9");
    EXPECT_EQ(IniValue("IMAGE TYPES", "SCAN MODE8").rfind("My type,4,", 0), 0u);
    EXPECT_EQ(::SendDlgItemMessageA(advanced, 113, CB_GETCURSEL, 0, 0), 8);
    EXPECT_EQ(Text(advanced, 706), "My type");
}

}  // namespace
}  // namespace korva::test
