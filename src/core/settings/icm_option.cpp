#include "core/settings/icm_option.h"

namespace korva {
namespace {

constexpr int32_t kColourImageType = 1;

}  // namespace

IcmBoxState IcmBoxFor(const OsVersion& version, int32_t imageType, int32_t windows95Icm) {
    IcmBoxState state;
    if (version.platform == OsVersion::kPlatformNt && version.major < 5) {
        state.switchOff = true;
        return state;
    }
    state.srgbMode = HasSrgbColourManagement(version);
    state.enabled = imageType == kColourImageType;
    state.checked = state.enabled && windows95Icm == 1;
    return state;
}

}  // namespace korva
