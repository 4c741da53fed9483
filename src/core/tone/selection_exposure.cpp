#include "core/tone/selection_exposure.h"

#include "core/preview/packed_dib.h"
#include "core/settings/calibration.h"
#include "core/settings/image_processing.h"

namespace korva {
namespace {

constexpr float kDisplayGamma = 1.8f;

}  // namespace

ExposureMode ExposureModeFor(int32_t docSource, int32_t optionUnit) {
    if (optionUnit == 1 && docSource == 1) {
        return ExposureMode::NegativeFilm;
    }
    if (optionUnit == 1 && docSource == 2) {
        return ExposureMode::PositiveFilm;
    }
    return ExposureMode::Reflective;
}

bool ExposeSelection(ScanSettings& s, const SelectionExposure& request) {
    const std::optional<DibLayout> layout = ParsePackedDib(request.preview);
    if (!layout || layout->bitCount != 24 || layout->width > UINT16_MAX || layout->height > UINT16_MAX) {
        return false;
    }
    const ExposureImage image{request.preview.data() + layout->pixelOffset, static_cast<uint16_t>(layout->width),
                              static_cast<uint16_t>(layout->height), layout->stride};
    ExposureRect rect{0, 0, layout->width - 1, layout->height - 1};
    if (!request.selection.IsEmpty()) {
        rect = ExposureRect{request.selection.left, request.selection.top, request.selection.right,
                            request.selection.bottom};
    }
    AutoExposureResult result;
    if (!AutoExposure(image, rect, ExposureModeFor(request.docSource, request.optionUnit), kDisplayGamma,
                      static_cast<float>(DisplayGammaFromMidValue(s.calibrationMidValue)), result)) {
        return false;
    }
    ToneState state;
    state.exposureTenths = s.iproc[iproc::kExposure];
    state.gammaPercent = s.iproc[iproc::kGamma];
    state.highlightLevel = s.iproc[iproc::kHighlight];
    state.shadowLevel = s.iproc[iproc::kShadow];
    StoreAutoExposure(result, request.gammaHeldFixed, state);
    s.iproc[iproc::kExposure] = state.exposureTenths;
    s.iproc[iproc::kGamma] = state.gammaPercent;
    s.iproc[iproc::kHighlight] = state.highlightLevel;
    s.iproc[iproc::kShadow] = state.shadowLevel;
    s.channelGamma = state.channelGamma;
    s.channelOffset = state.channelOffset;
    s.channelBalance = state.channelBalance;
    return true;
}

}  // namespace korva
