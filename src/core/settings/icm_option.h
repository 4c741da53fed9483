// The colour-matching check box (349) of the configuration dialog: whether it can be used on this
// system and for the current image type.
#pragma once

#include <cstdint>

#include "platform/system_facts.h"

namespace korva {

struct IcmBoxState {
    bool enabled = false;
    bool checked = false;
    bool switchOff = false;  // colour matching cannot work here: "Windows 95 ICM" goes off
    bool srgbMode = false;   // the box also sets "ICM Profile"
};

// NT before version 5 has no colour management; elsewhere the box serves only the 24-bit colour image
// type (row 1 of the image-type catalogue).
IcmBoxState IcmBoxFor(const OsVersion& version, int32_t imageType, int32_t windows95Icm);

}  // namespace korva
