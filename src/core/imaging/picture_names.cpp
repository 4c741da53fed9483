#include "core/imaging/picture_names.h"

#include <algorithm>
#include <array>

namespace korva {
namespace {

// The three pictures of a control; an empty pressed or disabled name means the normal picture.
struct Pictures {
    std::string_view normal;
    std::string_view pressed = {};
    std::string_view disabled = {};
};

struct FixedPicture {
    int controlId;
    Pictures pictures;
    PictureFit fit;
};

constexpr FixedPicture kFixedPictures[] = {
    {157, {"TABMAIN"}, PictureFit::kTab},
    {159, {"TITLEBM"}, PictureFit::kNatural},
    {170, {"MAINPREVIEW"}, PictureFit::kNatural},
    {171, {"SCAN"}, PictureFit::kNatural},
    {172, {"SCANALL"}, PictureFit::kNatural},
    {173, {"HELP"}, PictureFit::kNatural},
    {174, {"SETTINGS"}, PictureFit::kNatural},
    {175, {"CONFIGURATION"}, PictureFit::kNatural},
    {196, {"SETTINGS"}, PictureFit::kNatural},
    {182, {"ATSCAN", "ATSCANS", "ATSCAND"}, PictureFit::kNatural},
    {184, {"FULLPRV", "FULLPRVS", "FULLPRVD"}, PictureFit::kNatural},
    {186, {"ZOOMPRV", "ZOOMPRVS", "ZOOMPRVD"}, PictureFit::kNatural},
    {198, {"TITLE"}, PictureFit::kNatural},
    {199, {"LOGO"}, PictureFit::kNatural},
    {438, {"EYEDROP"}, PictureFit::kNatural},
    {439, {"EYEDROP"}, PictureFit::kNatural},
    {449, {"FINALWIN"}, PictureFit::kNatural},
    {729, {"SCANALL", "SCANALLS", "SCANALLD"}, PictureFit::kNatural},
    {612, {"GMCBSH"}, PictureFit::kStretch},
    {616, {"GMCBSH"}, PictureFit::kStretch},
    {777, {"FCSAUTO", "FCSAUTOS", "FCSAUTOD"}, PictureFit::kNatural},
    {789, {"ZOOMBCK", "", "ZOOMBCKD"}, PictureFit::kNatural},
    {800, {"MARQUEE"}, PictureFit::kNatural},
    {801, {"AUTOFOCUS"}, PictureFit::kNatural},
    {1020, {"CLOSE"}, PictureFit::kNatural},
    {1022, {"TRIANGLE"}, PictureFit::kNatural},
};

// The buttons 941, 944, ..., 968 of the adjustment windows, one triple per step of 3.
constexpr int kFirstToolButton = 941;
constexpr std::array<Pictures, 10> kToolButtons{{
    {"Tools", "Toolss", "Toolsd"},
    {"Gamma", "Gammas", "Gammad"},
    {"color", "colors", "colord"},
    {"Invert", "Inverts", "Invertd"},
    {"Expose", "Exposes", "Exposed"},
    {"Locate", "Locates", "Located"},
    {"Mrqdup", "Mrqdups", "Mrqdupd"},
    {"Mrqdel", "Mrqdels", "Mrqdeld"},
    {"Fcsman", "Fcsmans", "Fcsmand"},
    {"Fcsauto", "Fcsautos", "Fcsautod"},
}};

// The icons of the image-processing parameters at 300, 303, ..., 327.
constexpr int kFirstParameterIcon = 300;
constexpr std::array<Pictures, 10> kParameterIcons{{
    {"bright"},
    {"Contrast"},
    {"hglight"},
    {"Shadow"},
    {"Sharp"},
    {"Threshold"},
    {"gamma", "gammas", "gammad"},
    {"gray"},
    {"satur"},
    {"filter", "filters", "filterd"},
}};

// Parameter icons that never show a focus rectangle.
constexpr int kIconsWithoutFocus[] = {300, 303, 306, 309, 315, 321, 324};

std::string_view ByState(const Pictures& pictures, uint32_t itemState) {
    if ((itemState & kItemPressed) && !pictures.pressed.empty()) {
        return pictures.pressed;
    }
    if ((itemState & kItemDisabled) && !pictures.disabled.empty()) {
        return pictures.disabled;
    }
    return pictures.normal;
}

// The triple of a control in a table of ids first, first + 3, ...; null for any other id.
const Pictures* InStepTable(int controlId, int first, const std::array<Pictures, 10>& table) {
    const int offset = controlId - first;
    if (offset < 0 || offset % 3 != 0 || offset / 3 >= static_cast<int>(table.size())) {
        return nullptr;
    }
    return &table[static_cast<size_t>(offset / 3)];
}

}  // namespace

PictureChoice ChoosePicture(int controlId, const PictureState& state) {
    switch (controlId) {
        case 154:
            return {state.ocrTabActive ? "OCRON" : "OCROFF", PictureFit::kTab};
        case 155:
            return {state.ocrTabActive ? "PHOTOOFF" : "PHOTOON", PictureFit::kTab};
        case 197:
        case 726: {
            const Pictures lock = state.imageLocked ? Pictures{"LSHUT", "LSHUTS"} : Pictures{"LOPEN", "LOPENS"};
            return {ByState(lock, state.itemState), controlId == 726 ? PictureFit::kSquare : PictureFit::kNatural};
        }
        default:
            break;
    }
    if (const Pictures* tool = InStepTable(controlId, kFirstToolButton, kToolButtons)) {
        return {ByState(*tool, state.itemState), PictureFit::kNatural};
    }
    if (const Pictures* icon = InStepTable(controlId, kFirstParameterIcon, kParameterIcons)) {
        return {ByState(*icon, state.itemState), PictureFit::kNatural};
    }
    const auto* fixed = std::find_if(std::begin(kFixedPictures), std::end(kFixedPictures),
                                     [controlId](const FixedPicture& p) { return p.controlId == controlId; });
    if (fixed == std::end(kFixedPictures)) {
        return {};
    }
    return {ByState(fixed->pictures, state.itemState), fixed->fit};
}

bool WantsFocusRectangle(int controlId, uint32_t itemState) {
    return (itemState & kItemFocused) && !(itemState & kItemNoFocusRect) &&
           std::find(std::begin(kIconsWithoutFocus), std::end(kIconsWithoutFocus), controlId) ==
               std::end(kIconsWithoutFocus);
}

PixelBox PictureExtent(PictureFit fit, const PixelBox& item, int32_t bitmapWidth, int32_t bitmapHeight) {
    switch (fit) {
        case PictureFit::kNatural:
            return {item.left, item.top, item.left + bitmapWidth, item.top + bitmapHeight};
        case PictureFit::kSquare: {
            const int32_t side = std::min(item.right - item.left, item.bottom - item.top);
            return {item.left, item.top, item.left + side, item.top + side};
        }
        case PictureFit::kStretch:
        case PictureFit::kTab:
            return item;
        case PictureFit::kNone:
            break;
    }
    return {item.left, item.top, item.left, item.top};
}

PixelBox FocusRectangle(const PixelBox& extent) {
    return {extent.left + 4, extent.top + 4, extent.right - 4, extent.bottom - 4};
}

}  // namespace korva
