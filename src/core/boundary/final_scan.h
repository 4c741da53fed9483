// The final scan: the scan parameters written into the block (area, resolution, pixel type, tables,
// matrix, threshold, flags) before the data source's "UIFinalScan" is called.
#pragma once

#include <optional>
#include <string>

#include "core/boundary/source_context.h"
#include "core/preview/marquee_list.h"
#include "core/preview/pane_geometry.h"
#include "core/settings/scan_settings.h"
#include "platform/message_box.h"
#include "platform/services.h"

namespace korva {

// What the final scan needs beyond the settings and the marquees.
struct FinalScanInputs {
    BedSize bed;                 // the whole bed of the current document source, scanned without a marquee
    bool invert = false;         // the invert flag
    bool blackWhite = false;     // the black-and-white flag: the saturation then comes from its saved value
    std::string resolutionText;  // the active page's resolution field (372), read when the block's is 0
    WindowRef owner = 0;         // owner of the deep-colour warning
};

struct FinalScanResult {
    bool cancelled = false;  // the deep-colour warning was not answered with OK: nothing is to be scanned
    // Written only from the capability levels that send typeFlagC and typeFlagD.
    std::optional<bool> thirdTypeFlag;   // flag word B of the image type is 0
    std::optional<bool> fourthTypeFlag;  // flag word B is 1
};

// Writes the final scan's fields into the block for the current marquee (or the whole bed). A zero pixel
// width or height leaves every later field as it was and goes on. Updates the settings: the document
// source becomes the active page's, the sharpness parameter (12) becomes 0 for image type 5 and 1 for
// the others (also written to the INI file), and a resolution or scale that the block's 16-bit fields
// read as 0 is replaced.
FinalScanResult PrepareFinalScan(SourceContext& context,
                                 ScanSettings& settings,
                                 const MarqueeList& marquees,
                                 const FinalScanInputs& inputs,
                                 Services& services);

// PrepareFinalScan, then "UIFinalScan" of the data source unless the user cancelled.
FinalScanResult RunFinalScan(SourceContext& context,
                             ScanSettings& settings,
                             const MarqueeList& marquees,
                             const FinalScanInputs& inputs,
                             Services& services);

}  // namespace korva
