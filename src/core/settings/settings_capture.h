// Conversions between the settings model and a SettingsBlock: capturing the current settings into a
// block (for a marquee, the dialog block or a file) and applying a block back to the settings.
#pragma once

#include <cstdint>
#include <string>

#include "core/boundary/source_context.h"
#include "core/preview/preview_view.h"
#include "core/settings/scan_settings.h"
#include "platform/string_table.h"

namespace korva {

// The texts of the width, height and output-size fields (191, 192, 131, 136); a text that is not a
// number is captured as 0.
struct DisplayedSizes {
    std::string width;
    std::string height;
    std::string outWidth;
    std::string outHeight;
};

// The selection in document coordinates, hundredths of an inch, left and top including the area's
// origin, as the zoom computation of the marquee list gives it.
struct DocumentSelection {
    int32_t width = 0;
    int32_t height = 0;
    int32_t left = 0;
    int32_t top = 0;
};

// A dialog block carries the current image lock; a marquee's block its saved copy.
enum class BlockUse { kDialog, kMarquee };

SettingsBlock CaptureSettings(const ScanSettings& settings,
                              const PreviewView& view,
                              const DisplayedSizes& sizes,
                              const DocumentSelection& selection,
                              BlockUse use,
                              StringTable& strings);

// Loads a block into the settings: indices limited to their catalogues, a tone map named "User
// Defined" as the index past the catalogue, the current rectangle from the block's selection in the
// present view (clamped to it), and, while a batch runs, the selection as the scan area of the
// context. With `show` the colour-matching flag is recomputed for the controls that follow.
void ApplySettingsBlock(ScanSettings& settings,
                        PreviewView& view,
                        SourceContext& context,
                        const SettingsBlock& block,
                        StringTable& strings,
                        bool show);

// Colour matching is in effect with "Windows 95 ICM" on, a 24-bit colour image type, and not for
// negative film through the transparency unit (document source 1 with option unit 1).
bool ColourMatchingInEffect(const ScanSettings& settings, int32_t optionUnit);

}  // namespace korva
