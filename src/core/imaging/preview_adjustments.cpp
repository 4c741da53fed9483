#include "core/imaging/preview_adjustments.h"

#include "core/imaging/render_type.h"
#include "core/settings/tone_settings.h"

namespace korva {

PreviewAdjustments AdjustmentsFor(const ScanSettings& settings,
                                  std::span<const uint8_t> preview,
                                  int32_t optionUnit,
                                  DisplayKind display) {
    PreviewAdjustments in;
    in.preview = preview;
    in.iproc = settings.iproc;
    in.toneMap = ToneMapInForce(settings);
    in.channelGamma = settings.channelGamma;
    in.channelOffset = settings.channelOffset;
    in.channelBalance = settings.channelBalance;
    in.unsharpMask = settings.unsharpMask == 1;
    in.colourMatching = settings.colorMatchActive;
    in.type = RenderTypeOf(settings);
    in.docSource = settings.docSource;
    in.optionUnit = optionUnit;
    in.display = display;
    return in;
}

}  // namespace korva
