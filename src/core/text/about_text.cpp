#include "core/text/about_text.h"

#include <algorithm>

#include "core/settings/locations.h"

namespace korva {
namespace {

constexpr size_t kVersionSearchLength = 40;
constexpr char kVersionFormat[] = "for Veravodozod Ver. ";

}  // namespace

AboutPlacement PlaceAboutBox(int32_t desktopWidth, int32_t desktopHeight, int32_t boxWidth, int32_t boxHeight) {
    AboutPlacement placement;
    placement.width = std::max(boxWidth, kAboutMinWidth);
    placement.height = std::max(boxHeight, kAboutMinHeight);
    placement.grow = placement.width != boxWidth || placement.height != boxHeight;
    placement.x = (desktopWidth - placement.width) / 2;
    placement.y = (desktopHeight - placement.height) / 2;
    return placement;
}

std::string AboutVersionLine(std::string_view versionString) {
    const std::string_view searched = versionString.substr(0, std::min(versionString.size(), kVersionSearchLength));
    const bool hasDigit = searched.find_first_of("0123456789") != std::string_view::npos;
    return kVersionFormat + (hasDigit ? ExtractVersionText(versionString) : std::string("0"));
}

TextOrigin AboutVersionOrigin(int32_t pictureWidth, int32_t pictureHeight, int32_t captionHeight) {
    return {pictureWidth - (captionHeight > 20 ? 245 : 200), pictureHeight - 115};
}

}  // namespace korva
