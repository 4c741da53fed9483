#include "core/imaging/picture_names.h"

#include <gtest/gtest.h>

#include <string>

namespace korva {
namespace {

using enum PictureFit;

TEST(PictureNamesTest, ControlsChooseTheirPictureByStateActiveTabAndLock) {
    constexpr uint32_t kP = kItemPressed;
    constexpr uint32_t kD = kItemDisabled;
    const struct {
        int id;
        uint32_t itemState;
        const char* name;
        PictureFit fit = kNatural;
        bool ocrTabActive = false;
        bool imageLocked = false;
    } cases[] = {
        // Tab labels show which page is active.
        {154, 0, "OCRON", kTab, true},
        {154, 0, "OCROFF", kTab},
        {155, 0, "PHOTOOFF", kTab, true},
        {155, 0, "PHOTOON", kTab},
        // Pressed wins over disabled, which wins over normal; focus changes nothing.
        {182, kD, "ATSCAND"},
        {182, kP | kD, "ATSCANS"},
        {182, kItemFocused, "ATSCAN"},
        // Without a pressed picture the normal one shows; a control with one picture shows it in every state.
        {789, kP, "ZOOMBCK"},
        {789, kD, "ZOOMBCKD"},
        {159, kP | kD, "TITLEBM"},
        // Tool buttons from 941 and parameter icons from 300 take their pictures in steps of three.
        {953, kD, "Exposed"},
        {956, kP, "Locates"},
        {300, kP, "bright"},
        {318, kP, "gammas"},
        {327, kP, "filters"},
        // Lock pictures follow the lock; only the summary one is square.
        {197, 0, "LOPEN"},
        {197, kP, "LOPENS"},
        {197, kP, "LSHUTS", kNatural, false, true},
        {726, 0, "LSHUT", kSquare, false, true},
        {616, 0, "GMCBSH", kStretch},
        // Between the steps, past the tables and elsewhere: no picture.
        {942, 0, "", kNone},
        {330, 0, "", kNone},
        {1, 0, "", kNone},
    };
    for (const auto& c : cases) {
        const PictureChoice choice = ChoosePicture(c.id, {c.itemState, c.ocrTabActive, c.imageLocked});
        EXPECT_EQ(std::string(choice.name), c.name) << c.id << " in state " << c.itemState;
        EXPECT_EQ(choice.fit, c.fit) << c.id;
    }
}

TEST(PictureNamesTest, OnlyFocusedItemsOutsideThePlainParameterIconsGetAFocusRectangle) {
    EXPECT_TRUE(WantsFocusRectangle(182, kItemFocused));
    EXPECT_TRUE(WantsFocusRectangle(318, kItemFocused | kItemPressed));  // the gamma icon has three pictures
    EXPECT_FALSE(WantsFocusRectangle(182, kItemPressed));
    EXPECT_FALSE(WantsFocusRectangle(182, kItemFocused | kItemNoFocusRect));
    EXPECT_FALSE(WantsFocusRectangle(300, kItemFocused));
    EXPECT_FALSE(WantsFocusRectangle(324, kItemFocused));
}

TEST(PictureNamesTest, ExtentsPlaceThePictureInTheItem) {
    const PixelBox item{10, 20, 60, 50};  // 50 x 30
    EXPECT_EQ(PictureExtent(kNatural, item, 48, 40), (PixelBox{10, 20, 58, 60}));
    EXPECT_EQ(PictureExtent(kSquare, item, 48, 40), (PixelBox{10, 20, 40, 50}));
    EXPECT_EQ(PictureExtent(kSquare, PixelBox{0, 0, 20, 35}, 1, 1), (PixelBox{0, 0, 20, 20}));
    EXPECT_EQ(PictureExtent(kStretch, item, 8, 8), item);
    EXPECT_EQ(PictureExtent(kTab, item, 8, 8), item);
    EXPECT_EQ(FocusRectangle(PixelBox{10, 20, 58, 60}), (PixelBox{14, 24, 54, 56}));
}

}  // namespace
}  // namespace korva
