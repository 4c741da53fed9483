// The module's pictures: what its resources carry, and the owner-drawn items of the main dialog drawn
// through the real DLL into a memory device context.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/support/module_harness.h"
#include "tests/ui/support/pixel_canvas.h"

namespace korva::test {
namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr COLORREF kBackground = RGB(10, 200, 30);

SIZE BitmapSize(HMODULE module, const char* name) {
    SIZE size{};
    HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageA(module, name, IMAGE_BITMAP, 0, 0, 0));
    BITMAP info{};
    if (bitmap && ::GetObjectA(bitmap, sizeof info, &info)) {
        size = {info.bmWidth, info.bmHeight};
    }
    if (bitmap) {
        ::DeleteObject(bitmap);
    }
    return size;
}

int BitsPerPixel(HMODULE module, const char* name) {
    HRSRC found = ::FindResourceA(module, name, RT_BITMAP);
    const auto* header =
        found ? static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(module, found))) : nullptr;
    return header ? header->biBitCount : 0;
}

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The pictures themselves are seen by the drawing tests below and by the fit test; the tab pictures must
// be 16-colour, and the cursors and the icon are loaded by name.
TEST(PictureResourcesTest, TabPicturesAreSixteenColourAndTheCursorsAndTheIconAreCarried) {
    ModuleHarness harness;
    HMODULE module = ::GetModuleHandleA("KVSCANUI.DLL");
    ASSERT_NE(module, nullptr);
    for (const char* name : {"OCRON", "OCROFF", "PHOTOON", "PHOTOOFF", "TABMAIN"}) {
        EXPECT_EQ(BitsPerPixel(module, name), 4) << name;
    }
    for (const char* name : {"HAND", "WCROSS", "PICKER"}) {
        EXPECT_NE(::LoadCursorA(module, name), nullptr) << name;
    }
    EXPECT_NE(::LoadIconA(module, "KVSCAN"), nullptr);
}

TEST(PictureResourcesTest, PicturesFitTheirControlsInTheSmallestMainDialog) {
    ModuleHarness harness;
    HMODULE module = ::GetModuleHandleA("KVSCANUI.DLL");
    ASSERT_NE(module, nullptr);
    HWND dialog = ::CreateDialogParamA(module, "SCANQUILLA3", nullptr, QuietDialog, 0);
    ASSERT_NE(dialog, nullptr);
    const struct {
        int id;
        const char* name;
    } pictures[] = {{159, "TITLEBM"}, {199, "LOGO"},          {170, "MAINPREVIEW"}, {171, "SCAN"},
                    {173, "HELP"},    {175, "CONFIGURATION"}, {1020, "CLOSE"}};
    for (const auto& p : pictures) {
        RECT client{};
        ASSERT_TRUE(::GetClientRect(::GetDlgItem(dialog, p.id), &client)) << p.id;
        const SIZE size = BitmapSize(module, p.name);
        EXPECT_LE(size.cx, client.right) << p.name;
        EXPECT_LE(size.cy, client.bottom) << p.name;
        EXPECT_GE(size.cx, client.right * 3 / 4) << p.name << " should fill most of its control";
    }
    ::DestroyWindow(dialog);
}

class OwnerDrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(harness.Loaded());
        main = harness.activate(harness.Parent(), harness.Context());
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(canvas.Valid());
        module = ::GetModuleHandleA("KVSCANUI.DLL");
    }

    // Sends the main dialog a drawing request for `id` over `rect` of the canvas.
    void Draw(int id, RECT rect, UINT state = 0) {
        canvas.Fill(kUntouched);
        ::SetBkColor(canvas.Dc(), kBackground);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(id);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = ::GetDlgItem(main, id);
        item.hDC = canvas.Dc();
        item.rcItem = rect;
        ::SendMessageA(main, WM_DRAWITEM, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&item));
    }

    // Pixels of the canvas at (x, y) that differ from the bitmap `name` loaded with the standard greys
    // mapped to the 3-D colours.
    int DifferencesFrom(const char* name, int x, int y) const {
        HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
        BITMAP size{};
        if (!bitmap || !::GetObjectA(bitmap, sizeof size, &size)) {
            return -1;
        }
        PixelCanvas expected(size.bmWidth, size.bmHeight);
        HDC source = ::CreateCompatibleDC(canvas.Dc());
        HGDIOBJ previous = ::SelectObject(source, bitmap);
        ::BitBlt(expected.Dc(), 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        ::SelectObject(source, previous);
        ::DeleteDC(source);
        ::DeleteObject(bitmap);
        int different = 0;
        for (int row = 0; row < size.bmHeight; ++row) {
            for (int column = 0; column < size.bmWidth; ++column) {
                different += canvas.At(x + column, y + row) != expected.At(column, row);
            }
        }
        return different;
    }

    // Pixels outside `rect` that the drawing changed, and pixels inside it that are not `colour`.
    int ChangedOutside(const RECT& rect) const { return Count(rect, false, kUntouched); }
    int DifferentInside(const RECT& rect, COLORREF colour) const { return Count(rect, true, colour); }
    int Count(const RECT& rect, bool inside, COLORREF colour) const {
        int count = 0;
        for (int y = 0; y < canvas.Height(); ++y) {
            for (int x = 0; x < canvas.Width(); ++x) {
                const bool in = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
                count += in == inside && canvas.At(x, y) != colour;
            }
        }
        return count;
    }

    ModuleHarness harness;
    HWND main = nullptr;
    HMODULE module = nullptr;
    PixelCanvas canvas{140, 60};
};

TEST_F(OwnerDrawTest, APictureIsCopiedAtItsOwnSizeToTheItemsCornerOverTheBackgroundAndAMissingOneLeavesIt) {
    const RECT item{10, 5, 70, 45};
    Draw(170, item);
    EXPECT_EQ(ChangedOutside(item), 0);
    EXPECT_EQ(DifferencesFrom("MAINPREVIEW", 10, 5), 0);
    // The picture's face-grey corner shows in the current face colour.
    EXPECT_EQ(canvas.At(10, 5), ::GetSysColor(COLOR_3DFACE));
    // Right of and below the picture the item keeps the background.
    EXPECT_EQ(canvas.At(34, 5), kBackground);
    EXPECT_EQ(canvas.At(69, 44), kBackground);
    EXPECT_EQ(canvas.At(10, 29), kBackground);

    // The automatic focus picture of the preview is not among the resources: only the background shows.
    Draw(801, item, ODS_FOCUS);
    EXPECT_EQ(ChangedOutside(item), 0);
    EXPECT_EQ(DifferentInside(item, kBackground), 0);
}

TEST_F(OwnerDrawTest, PictureButtonsShowTheirPressedAndDisabledForms) {
    const RECT item{2, 2, 40, 30};
    Draw(941, item);
    EXPECT_EQ(DifferencesFrom("TOOLS", 2, 2), 0);
    Draw(941, item, ODS_DISABLED);
    EXPECT_EQ(DifferencesFrom("TOOLSD", 2, 2), 0);
    EXPECT_GT(DifferencesFrom("TOOLS", 2, 2), 0);
    Draw(968, item, ODS_SELECTED);
    EXPECT_EQ(DifferencesFrom("FCSAUTOS", 2, 2), 0);
}

TEST_F(OwnerDrawTest, AFocusedPictureGetsAFocusRectangleFourPixelsInside) {
    const RECT item{0, 0, 48, 40};
    Draw(170, item);
    PixelCanvas plain(canvas.Width(), canvas.Height());
    ::BitBlt(plain.Dc(), 0, 0, canvas.Width(), canvas.Height(), canvas.Dc(), 0, 0, SRCCOPY);

    Draw(170, item, ODS_FOCUS);
    int onOutline = 0;
    int elsewhere = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.At(x, y) == plain.At(x, y)) {
                continue;
            }
            // The picture is 24 x 24, so the rectangle runs from (4, 4) to (19, 19).
            const bool outline = (x == 4 || x == 19 || y == 4 || y == 19) && x >= 4 && x <= 19 && y >= 4 && y <= 19;
            (outline ? onOutline : elsewhere)++;
        }
    }
    EXPECT_GT(onOutline, 10);
    EXPECT_EQ(elsewhere, 0);
}

TEST_F(OwnerDrawTest, TabLabelsAreStretchedToTheItemInTheFaceColourAndShowTheActivePage) {
    const RECT item{0, 0, 126, 28};
    const COLORREF face = ::GetSysColor(COLOR_3DFACE);

    Draw(155, item);  // a new user interface opens on the Photo page: its label is the raised one
    EXPECT_EQ(ChangedOutside(item), 0);
    EXPECT_EQ(canvas.At(0, 20), RGB(255, 255, 255));  // the left edge, stretched to the full height
    EXPECT_EQ(canvas.At(125, 20), RGB(0, 0, 0));      // the right edge at the item's right
    EXPECT_EQ(canvas.At(60, 16), face);
    EXPECT_EQ(canvas.At(60, 0), RGB(255, 255, 255));  // the raised label's top edge

    Draw(154, item);  // the OCR label stands lower, its top row is face
    EXPECT_EQ(canvas.At(60, 0), face);
    EXPECT_EQ(canvas.At(60, 16), face);
}

}  // namespace
}  // namespace korva::test
