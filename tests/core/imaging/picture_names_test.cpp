#include "core/imaging/picture_names.h"

#include <gtest/gtest.h>

#include <string>

namespace korva {
namespace {

std::string Name(int controlId, uint32_t itemState = 0, bool ocrTabActive = false, bool imageLocked = false) {
    return std::string(ChoosePicture(controlId, {itemState, ocrTabActive, imageLocked}).name);
}

PictureFit Fit(int controlId) {
    return ChoosePicture(controlId, {}).fit;
}

TEST(PictureNamesTest, TabLabelsShowWhichPageIsActive) {
    EXPECT_EQ(Name(154, 0, true), "OCRON");
    EXPECT_EQ(Name(155, 0, true), "PHOTOOFF");
    EXPECT_EQ(Name(154, 0, false), "OCROFF");
    EXPECT_EQ(Name(155, 0, false), "PHOTOON");
    EXPECT_EQ(Name(157, 0, true), "TABMAIN");
    EXPECT_EQ(Name(157, 0, false), "TABMAIN");
    EXPECT_EQ(Fit(154), PictureFit::kTab);
    EXPECT_EQ(Fit(155), PictureFit::kTab);
    EXPECT_EQ(Fit(157), PictureFit::kTab);
}

TEST(PictureNamesTest, PressedWinsOverDisabledWhichWinsOverNormal) {
    EXPECT_EQ(Name(182), "ATSCAN");
    EXPECT_EQ(Name(182, kItemDisabled), "ATSCAND");
    EXPECT_EQ(Name(182, kItemPressed), "ATSCANS");
    EXPECT_EQ(Name(182, kItemPressed | kItemDisabled), "ATSCANS");
    EXPECT_EQ(Name(182, kItemFocused), "ATSCAN");
    // A control with a normal and a disabled picture only shows the normal one when pressed.
    EXPECT_EQ(Name(789, kItemPressed), "ZOOMBCK");
    EXPECT_EQ(Name(789, kItemDisabled), "ZOOMBCKD");
}

TEST(PictureNamesTest, PicturesOfTheMainDialogAndThePhotoPageKeepTheirNameInEveryState) {
    const struct {
        int id;
        const char* name;
    } pictures[] = {{159, "TITLEBM"},       {170, "MAINPREVIEW"}, {171, "SCAN"},    {173, "HELP"},
                    {175, "CONFIGURATION"}, {1020, "CLOSE"},      {199, "LOGO"},    {198, "TITLE"},
                    {1022, "TRIANGLE"},     {800, "MARQUEE"},     {449, "FINALWIN"}};
    for (const auto& p : pictures) {
        for (uint32_t state : {0u, kItemPressed, kItemDisabled, kItemFocused}) {
            EXPECT_EQ(Name(p.id, state), p.name) << p.id << " in state " << state;
        }
        EXPECT_EQ(Fit(p.id), PictureFit::kNatural) << p.id;
    }
}

TEST(PictureNamesTest, TheTenToolButtonsTakeTheirTriplesInStepsOfThree) {
    const char* normal[] = {"Tools",  "Gamma",  "color",  "Invert", "Expose",
                            "Locate", "Mrqdup", "Mrqdel", "Fcsman", "Fcsauto"};
    for (int k = 0; k < 10; ++k) {
        const int id = 941 + 3 * k;
        EXPECT_EQ(Name(id), normal[k]);
        EXPECT_EQ(Name(id, kItemPressed), std::string(normal[k]) + "s");
        EXPECT_EQ(Name(id, kItemDisabled), std::string(normal[k]) + "d");
    }
    // The automatic exposure and location buttons of the Photo page are two of them.
    EXPECT_EQ(Name(953, kItemDisabled), "Exposed");
    EXPECT_EQ(Name(956, kItemPressed), "Locates");
    // Between the steps and past the table there is no picture.
    EXPECT_EQ(Fit(942), PictureFit::kNone);
    EXPECT_EQ(Fit(971), PictureFit::kNone);
}

TEST(PictureNamesTest, ParameterIconsSitEveryThirdIdFrom300) {
    EXPECT_EQ(Name(300), "bright");
    EXPECT_EQ(Name(300, kItemPressed), "bright");
    EXPECT_EQ(Name(315), "Threshold");
    EXPECT_EQ(Name(318, kItemPressed), "gammas");
    EXPECT_EQ(Name(318, kItemDisabled), "gammad");
    EXPECT_EQ(Name(327, kItemPressed), "filters");
    EXPECT_EQ(Name(324), "satur");
    EXPECT_EQ(Fit(301), PictureFit::kNone);
    EXPECT_EQ(Fit(330), PictureFit::kNone);
}

TEST(PictureNamesTest, LockPicturesFollowTheLockAndOnlyTheSummaryOneIsSquare) {
    EXPECT_EQ(Name(197, 0, false, false), "LOPEN");
    EXPECT_EQ(Name(197, 0, false, true), "LSHUT");
    EXPECT_EQ(Name(197, kItemPressed, false, false), "LOPENS");
    EXPECT_EQ(Name(197, kItemPressed, false, true), "LSHUTS");
    EXPECT_EQ(Name(726, 0, false, true), "LSHUT");
    EXPECT_EQ(Fit(197), PictureFit::kNatural);
    EXPECT_EQ(Fit(726), PictureFit::kSquare);
    EXPECT_EQ(Name(612), "GMCBSH");
    EXPECT_EQ(Fit(616), PictureFit::kStretch);
}

TEST(PictureNamesTest, ControlsWithoutAPictureChooseNone) {
    for (int id : {1, 190, 232, 233, 433, 733, 1019}) {
        const PictureChoice choice = ChoosePicture(id, {});
        EXPECT_EQ(choice.fit, PictureFit::kNone) << id;
        EXPECT_TRUE(choice.name.empty()) << id;
    }
}

TEST(PictureNamesTest, OnlyFocusedItemsOutsideThePlainParameterIconsGetAFocusRectangle) {
    EXPECT_TRUE(WantsFocusRectangle(182, kItemFocused));
    EXPECT_TRUE(WantsFocusRectangle(312, kItemFocused));
    EXPECT_TRUE(WantsFocusRectangle(318, kItemFocused | kItemPressed));
    EXPECT_FALSE(WantsFocusRectangle(182, kItemPressed));
    for (int id : {300, 303, 306, 309, 315, 321, 324}) {
        EXPECT_FALSE(WantsFocusRectangle(id, kItemFocused)) << id;
    }
}

TEST(PictureNamesTest, ExtentsPlaceThePictureInTheItem) {
    const PixelBox item{10, 20, 60, 50};  // 50 x 30
    EXPECT_EQ(PictureExtent(PictureFit::kNatural, item, 48, 40), (PixelBox{10, 20, 58, 60}));
    EXPECT_EQ(PictureExtent(PictureFit::kSquare, item, 48, 40), (PixelBox{10, 20, 40, 50}));
    EXPECT_EQ(PictureExtent(PictureFit::kSquare, PixelBox{0, 0, 20, 35}, 1, 1), (PixelBox{0, 0, 20, 20}));
    EXPECT_EQ(PictureExtent(PictureFit::kStretch, item, 8, 8), item);
    EXPECT_EQ(PictureExtent(PictureFit::kTab, item, 8, 8), item);
    EXPECT_EQ(FocusRectangle(PixelBox{10, 20, 58, 60}), (PixelBox{14, 24, 54, 56}));
}

}  // namespace
}  // namespace korva
