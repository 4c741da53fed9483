// The driver INI file: loading and saving every key of the "QXTWAINds", "Settings", "Dialog Position"
// and "Tab Setting" sections, the catalogue lists and the saved environment.
#pragma once

#include <cstdint>
#include <span>

#include "core/preview/marquee.h"
#include "core/preview/preview_view.h"
#include "core/settings/scan_settings.h"
#include "platform/services.h"

namespace korva {

// Builds the INI path, reads the decimal separator, sets every built-in default, loads the version
// string (with the unit and pixel-type names), and then either reads all keys when the stored version
// matches or deletes the file and writes the four location keys anew when it does not.
void LoadDriverSettings(ScanSettings& settings, Services& services);

// What the marquee list and the preview hold when the settings are saved.
struct SessionSnapshot {
    // The marquees from the head of the list; the current one already holds the captured settings
    // (and, for a zoomed preview, the zoom it was shown in: KeepShownZoom).
    std::span<const Marquee> marquees;
    int32_t currentMarqueeIndex = 0;  // position of the current marquee from the head; the count when none
    bool fullPageShown = true;        // the environment is saved as "Main", else as "Zoom"
    bool previewExists = false;
    PreviewView view;
};

// Writes the version, "Src Size", the keys in their save order, the catalogues, the environment file
// (with "Save values" on and the environment save not inhibited) and, with a preview, the image
// settings. "Current Marquee" is stored back counted from the end of the list.
void SaveDriverSettings(ScanSettings& settings, Services& services, const SessionSnapshot& session);

}  // namespace korva
