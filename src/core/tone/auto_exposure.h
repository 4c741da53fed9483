// Automatic exposure: from the histograms of a selection of the preview, sets the per-channel density
// lines, highlight, shadow, gamma and gray balance for negative film, positive film or a reflective
// document; and the step that clamps the results into the tone state.
#pragma once

#include <array>
#include <cstdint>

#include "core/tone/exposure_histograms.h"
#include "core/tone/tone_state.h"

namespace korva {

// Tuning constants of the analysis.
struct ExposureTuning {
    static constexpr int16_t MIN_P_T = 150;   // start of the negative downward scan, end of every upward scan
    static constexpr int16_t MAX_POSI = 230;  // start of the positive-film downward scan
    static constexpr int16_t MAX_FB = 255;    // start of the reflective downward scan
    static constexpr float BP_TH_PIXEL = 0.005f;
    static constexpr float WP_TH_PIXEL = 0.005f;
    static constexpr float NEGA_BP_OUT = -4.672f;  // density of the negative's bright end
    static constexpr float NEGA_WP_OUT = -0.017f;  // density of the negative's dark end
    static constexpr int16_t MAX_LIMIT = 25;       // lowest white level
    static constexpr int16_t HIGHLIGHT_IN = 245;
    static constexpr int16_t SHADOW_IN = 8;
    static constexpr float K_POSI_MAX = 0.005f;
    static constexpr float K_POSI_MIN = 0.005f;
    static constexpr float GM_CONST1 = 0.0001f;
    static constexpr float GM_CONST2 = 0.0012f;
    static constexpr float FA_LIMIT = 384.0f;
    static constexpr float GM_HI_LIMIT = 0.625f;
    static constexpr float GM_LO_LIMIT = 0.5f;
    static constexpr float MIN_NegaR = 6.0f;
    static constexpr float MIN_NegaG = 2.0f;
    static constexpr float MIN_NegaB = 1.0f;
};

enum class ExposureMode : uint8_t {
    NegativeFilm = 0,
    PositiveFilm = 1,
    Reflective = 2,
};

struct AutoExposureResult {
    std::array<float, 3> channelGamma{};
    std::array<float, 3> channelOffset{};
    int16_t highlight = 0;
    int16_t shadow = 0;
    float gamma = 0;
    std::array<float, 3> channelBalance{};
};

// Analyses the pixels of `image` inside `rect`. displayGamma is the screen's (1.8), calibrationGamma the
// one derived from the screen calibration (0 without one). Returns false and leaves `result` untouched
// for a mode value outside ExposureMode.
bool AutoExposure(const ExposureImage& image,
                  const ExposureRect& rect,
                  ExposureMode mode,
                  float displayGamma,
                  float calibrationGamma,
                  AutoExposureResult& result);

// Stores a result into the tone state: density lines and balance as they are, highlight clamped to
// 61..490 (the exposure follows a clamped highlight), shadow to 0..60, gamma rounded to percent and
// clamped to 50..500, or 100 when the gamma is held fixed.
void StoreAutoExposure(const AutoExposureResult& result, bool gammaHeldFixed, ToneState& state);

}  // namespace korva
