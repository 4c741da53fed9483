#include "core/settings/image_processing_reset.h"

namespace korva {

void ResetImageProcessing(ScanSettings& s, int32_t& invert, ResetKeeps keeps) {
    for (int k = 0; k < kImageProcessingParameters; ++k) {
        if (keeps.threshold && k == iproc::kThreshold) {
            continue;
        }
        s.iproc[k] = ParameterDefault(k, s.focusPosition);
        s.iprocSaved[k] = s.iproc[k];
    }
    if (!keeps.invert) {
        invert = 0;
    }
    s.toneMaps.current = 0;
    s.channelBalance = {};
}

void CopyCurrentToneMap(ScanSettings& s) {
    if (const CatalogueRow* row = s.toneMaps.CurrentRow()) {
        s.toneMapInForce = *row;
        s.toneMapWorking = *row;
    }
}

}  // namespace korva
