// The small rules of the main window: its template set, page keys, tab labels, document sizes,
// resolutions, the adjustment windows, line-art options, scroll positions, hints and the busy state.
#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "core/boundary/main_templates.h"
#include "core/mainwin/busy_controls.h"
#include "core/mainwin/document_sizes.h"
#include "core/mainwin/hint_table.h"
#include "core/mainwin/ocr_options.h"
#include "core/mainwin/page_keys.h"
#include "core/mainwin/resolution_entry.h"
#include "core/mainwin/scroll_position.h"
#include "core/mainwin/tab_layout.h"
#include "core/mainwin/tool_windows.h"

namespace korva {
namespace {

TEST(OcrOptionForTest, AButtonThatCouldNotBeReadIsTheThreshold) {
    const auto fields = [](int32_t id) {
        const OcrOption o = OcrOptionFor(id);
        return std::tuple(o.halftone, o.textOption, o.thresholdEnabled, o.aas, o.tet);
    };
    EXPECT_EQ(fields(kOptionAas), std::tuple(1, 1, false, true, false));
    EXPECT_EQ(fields(0), std::tuple(0, 2, true, false, false));
}

TEST(ScrollPositionTest, StepsStayInsideTheRangeAndThumbsAreSigned) {
    const ParameterRange threshold{250, 0, 255, 1, 5, 128, true};
    const struct {
        int code;
        int16_t thumb;
        int32_t position, expected;
    } steps[] = {{scroll::kLineUp, 0, 128, 127},       {scroll::kPageUp, 0, 3, 0},     {scroll::kLineDown, 0, 255, 255},
                 {scroll::kPageDown, 0, 252, 255},     {scroll::kTop, 0, 100, 0},      {scroll::kBottom, 0, 100, 255},
                 {scroll::kThumbTrack, 200, 100, 200}, {scroll::kEndScroll, 0, 42, 42}};
    for (const auto& s : steps) {
        EXPECT_EQ(ScrollPosition(s.code, s.thumb, s.position, threshold), s.expected) << s.code;
    }
    EXPECT_EQ(ScrollPosition(scroll::kThumbPosition, -15, 0, {775, -20, 60, 1, 5, 0, true}), -15);
    // The focus field shows tenths.
    EXPECT_EQ(ParameterValueText(251, -7), "-7");
    EXPECT_EQ(ParameterValueText(776, -15), "-1.5");
    EXPECT_EQ(ParameterValueText(776, 5), " 0.5");
}

TEST(HintStringForTest, TrackedControlsCountFromTheReadyHintThenOurOwnControls) {
    EXPECT_EQ(HintStringFor(111), kHintReady + 1);
    EXPECT_EQ(HintStringFor(373), kHintReady + 29);
    EXPECT_EQ(HintStringFor(733), 333);
    EXPECT_EQ(HintStringFor(4242), kHintReady);
}

TEST(BusyControlsForTest, ScanAllNeedsTwoMarqueesAndNoFeeder) {
    const auto both = [](int32_t busy, int32_t marquees, int32_t source, int32_t unit) {
        const BusyControls c = BusyControlsFor(busy, marquees, source, unit);
        return std::pair(c.commands, c.scanAll);
    };
    EXPECT_EQ(both(1, 2, 0, 2), std::pair(false, false));
    EXPECT_EQ(both(0, 1, 0, 2), std::pair(true, false));
    EXPECT_EQ(both(0, 2, 0, 2), std::pair(true, true));
    EXPECT_EQ(both(0, 2, 1, 0), std::pair(true, false));  // the feeder scans one sheet
    EXPECT_EQ(both(0, 2, 1, 1), std::pair(true, true));
}

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

// Screen rectangles as a main dialog at (100, 50) lays its labels out: OCR at x 110, Photo at x 200,
// both from y 80, the frame from y 100.
const Rect kOcrLabel{110, 80, 200, 100};
const Rect kPhotoLabel{200, 80, 290, 100};
const Rect kFrame{108, 100, 400, 400};

TEST(HitTabLabelTest, EachLabelAnswersStrictlyInsideItsSpanBordersAndTheFrameSelectNothing) {
    // The Photo label reaches as far right of its left edge as the OCR label lies left of it: x = 290 is
    // just outside. y = 100 is the frame's top.
    const std::pair<Point, TabHit> hits[] = {
        {{111, 81}, TabHit::kOcr},   {{199, 99}, TabHit::kOcr},  {{201, 90}, TabHit::kPhoto},
        {{289, 90}, TabHit::kPhoto}, {{290, 90}, TabHit::kNone}, {{200, 90}, TabHit::kNone},
        {{110, 90}, TabHit::kNone},  {{150, 80}, TabHit::kNone}, {{150, 100}, TabHit::kNone},
        {{150, 200}, TabHit::kNone},
    };
    for (const auto& [point, hit] : hits) {
        EXPECT_EQ(HitTabLabel(kOcrLabel, kPhotoLabel, kFrame, point), hit) << point.x << "," << point.y;
    }
}

TEST(CentrePageInFrameTest, CentresInClientCoordinatesWithIntegerHalves) {
    // Dialog client origin at screen (103, 72); frame 292 × 300 at (108, 100); page 250 × 201.
    const PagePlacement placement = CentrePageInFrame(kFrame, Rect{103, 72, 104, 73}, 250, 201);
    EXPECT_EQ(placement.x, 5 + 21);
    EXPECT_EQ(placement.y, 28 + 49);
}

TEST(DocumentSizeSelectionTest, OffsetsCentreTheSizesOnTheFeedPathInPreviewPixels) {
    // A4 on a 340-pixel preview of an 850-hundredths bed: 40 pixels per inch; 11.7 as a float lies below
    // 11.7, so 467.
    EXPECT_EQ(DocumentSizeSelection(kSizeA4, 340, 850), (Rect{4, 0, 334, 467}));
    // 100 pixels per inch: left = offset × 100, right = left + width × 100, truncated. Sizes whose float
    // lies just below the decimal lose a pixel (3.54 and 10.12); those just above keep it (2.48, 2.17).
    EXPECT_EQ(DocumentSizeSelection(kSizeLetter, 850, 850), (Rect{0, 0, 850, 1100}));
    EXPECT_EQ(DocumentSizeSelection(kSizeCard, 850, 850), (Rect{248, 0, 601, 217}));
    EXPECT_EQ(DocumentSizeSelection(kSizeA5, 850, 850).left, 133);
    EXPECT_EQ(DocumentSizeSelection(kSizeB5, 850, 850).bottom, 1011);
    // "Max", a typed size and an empty bed select nothing.
    EXPECT_TRUE(DocumentSizeSelection(kSizeMax, 340, 850).IsEmpty());
    EXPECT_TRUE(DocumentSizeSelection(kSizeTyped, 340, 850).IsEmpty());
    EXPECT_TRUE(DocumentSizeSelection(kSizeA4, 340, 0).IsEmpty());
    // The size fields show the texts, not the floats.
    ASSERT_TRUE(FindDocumentSize(kSizeB5));
    EXPECT_EQ(std::string(FindDocumentSize(kSizeB5)->height), "10.12");
    EXPECT_FALSE(FindDocumentSize(969));
}

TEST(ResolutionListIndexTest, FirstEntryAtLeastTheResolutionThenTheTwoEntriesPastTheEnd) {
    constexpr std::array<uint16_t, 4> kDevice = {75, 150, 300, 600};
    EXPECT_EQ(ResolutionListIndex(kDevice, 50), 0);
    EXPECT_EQ(ResolutionListIndex(kDevice, 150), 1);
    EXPECT_EQ(ResolutionListIndex(kDevice, 151), 2);
    EXPECT_EQ(ResolutionListIndex(kDevice, 600), 3);
    EXPECT_EQ(ResolutionListIndex(kDevice, 900), 4);   // below twice the last entry
    EXPECT_EQ(ResolutionListIndex(kDevice, 1200), 5);  // twice the last entry
    EXPECT_EQ(ResolutionListIndex({}, 300), 1);
}

TEST(ResolveTypedResolutionTest, ListTextsSelectTheirEntryAndOtherNumbersAreClampedToTheDevice) {
    using Typed = std::tuple<int32_t, std::optional<size_t>, bool>;  // resolution, list index, rewrite text
    const auto resolve = [](const char* text) {
        const std::vector<std::string> texts = {"75", "150", "300", "900", "1200"};
        const std::optional<TypedResolution> typed = ResolveTypedResolution(text, texts, 75, 600);
        return typed ? std::optional(Typed(typed->resolution, typed->listIndex, typed->rewriteText)) : std::nullopt;
    };
    EXPECT_EQ(resolve("900"), Typed(900, 3, false));
    EXPECT_EQ(resolve("5000"), Typed(600, std::nullopt, true));  // 600 is shown as 900 in the list
    EXPECT_EQ(resolve("10"), Typed(75, 0, true));
    EXPECT_EQ(resolve("200"), Typed(200, std::nullopt, false));
    // Only 10 characters are read: "3000000000" is clamped to the maximum, the rest never seen.
    EXPECT_EQ(resolve("30000000001"), Typed(600, std::nullopt, true));
    EXPECT_EQ(resolve(""), std::nullopt);
}

TEST(TypedParameterValueTest, SignedNumbersAreClampedAndAnythingElseIsRefused) {
    const ParameterRange exposure = ImageProcessingParameter(iproc::kExposure, 6, 0.0f);  // -10 .. 20
    EXPECT_EQ(TypedParameterValue("10", exposure), 10);
    EXPECT_EQ(TypedParameterValue(" -7 ", exposure), -7);
    EXPECT_EQ(TypedParameterValue("+3", exposure), 3);
    EXPECT_EQ(TypedParameterValue("25", exposure), 20);
    EXPECT_EQ(TypedParameterValue("-99999999999999999999", exposure), -10);
    for (const char* text : {"", "abc", "1.5", "12x", "-", "--1"}) {
        EXPECT_EQ(TypedParameterValue(text, exposure), std::nullopt) << text;
    }
}

TEST(ClosesToolWindowsTest, ClicksAndChoicesThatChangeWhatTheWindowsShowCloseThem) {
    EXPECT_TRUE(ClosesToolWindows(111, 1));  // a new choice in a list
    EXPECT_TRUE(ClosesToolWindows(1019, 0));
    EXPECT_FALSE(ClosesToolWindows(111, 4));  // the list lost the focus: nothing was chosen
    EXPECT_FALSE(ClosesToolWindows(941, 0));
}

TEST(LinkExposureAndHighlightTest, EachFollowsTheOtherWithinItsRange) {
    std::array<int32_t, kImageProcessingParameters> values{};
    values[iproc::kExposure] = 10;
    LinkExposureAndHighlight(values, iproc::kExposure, 6, 0.0f);
    EXPECT_EQ(values[iproc::kHighlight], 122);  // 255 x 2^(-1.05772), rounded

    values[iproc::kHighlight] = 245;  // density 0
    values[iproc::kShadow] = 99;
    LinkExposureAndHighlight(values, iproc::kHighlight, 6, 0.0f);
    EXPECT_EQ(values[iproc::kExposure], 0);
    EXPECT_EQ(values[iproc::kShadow], 60);
    EXPECT_EQ(values[iproc::kGamma], 50);  // raised to its minimum

    values[iproc::kHighlight] = 61;  // two stops, more than level 1 allows
    LinkExposureAndHighlight(values, iproc::kHighlight, 1, 0.0f);
    EXPECT_EQ(values[iproc::kExposure], 3);
}

TEST(MainTemplatesTest, ScreenWidthAndCaptionHeightPickTheTemplateSet) {
    // The borders: 1000 still counts as medium, 20-pixel captions as short.
    const std::tuple<int, int, const char*> cases[] = {
        {1024, 18, "SCANQUILLA Phototab Ocrtab"},   {1024, 22, "SCANQUILLA2 Phototab Ocrtab"},
        {800, 18, "SCANQUILLA2 Phototab Ocrtab"},   {800, 22, "SCANQUILLA3 Phototab2 Ocrtab2"},
        {640, 18, "SCANQUILLA3 Phototab2 Ocrtab2"}, {1000, 20, "SCANQUILLA2 Phototab Ocrtab"},
        {1001, 21, "SCANQUILLA2 Phototab Ocrtab"},  {799, 18, "SCANQUILLA3 Phototab2 Ocrtab2"},
    };
    for (const auto& [width, caption, names] : cases) {
        const MainTemplates t = ChooseMainTemplates(width, caption);
        EXPECT_EQ(std::string(t.main) + " " + t.photo + " " + t.ocr, names) << width << " " << caption;
    }
}

}  // namespace
}  // namespace korva
