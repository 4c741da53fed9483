#include "core/tone/auto_exposure.h"

#include <algorithm>
#include <cmath>

#include "core/tone/base2_log.h"
#include "core/tone/tone_curve.h"

namespace korva {

namespace {

using T = ExposureTuning;

// Gamma from the position of the green median on the range stretched from shadow..highlight to 0..255.
// `scanEnd` is the display-gamma level of MIN_P_T, the exclusive end of the median search.
float GammaRule(const ExposureHistograms& histograms,
                int16_t scanEnd,
                const AutoExposureResult& result,
                float displayGamma,
                float calibrationGamma) {
    int16_t range = static_cast<int16_t>(result.highlight - result.shadow);
    if (range == 0) {
        range = 1;
    }
    const int16_t median = ScanUp(histograms, kChannelGreen, 0, scanEnd, 0.5f);
    int32_t m = 0;
    if (median != 0) {
        const double level = 255 * std::pow(10.0, std::log10(median / 255.0) / result.channelGamma[kChannelGreen] +
                                                      result.channelOffset[kChannelGreen]) +
                             0.5;
        // Bounded so that m * f below stays within 32 bits on degenerate density lines.
        m = static_cast<int32_t>(std::clamp(level, 0.0, 32767.0));
    }
    const int32_t shadow = result.shadow;
    const int32_t f = 65280 / range;
    int32_t l = 0;
    if (static_cast<float>(f) > T::FA_LIMIT) {
        l = ((f - (65280 - f * range) / (255 - range)) * shadow) / 256;
    } else {
        l = (shadow * f) / 256;
    }
    const auto d = static_cast<int16_t>((m * f) / 256 - l);
    float q = T::GM_CONST1 * static_cast<float>(d * d) - T::GM_CONST2 * static_cast<float>(d);
    if (q > T::GM_HI_LIMIT) {
        q = T::GM_HI_LIMIT;
    }
    if (q < T::GM_LO_LIMIT) {
        q = T::GM_LO_LIMIT;
    }
    return (calibrationGamma / displayGamma) * (1.0f / q);
}

// Density lines that send each channel's bright film base to NEGA_BP_OUT and its dark end to
// NEGA_WP_OUT; their slopes come out negative, which turns the channel over.
void ExposeNegative(const ExposureHistograms& histograms,
                    int16_t scanEnd,
                    float displayGamma,
                    AutoExposureResult& result) {
    const std::array<float, 3> upwardStarts = {T::MIN_NegaR, T::MIN_NegaG, T::MIN_NegaB};
    for (int c = 0; c < 3; ++c) {
        const int16_t white = std::max(ScanDown(histograms, c, scanEnd, T::BP_TH_PIXEL), T::MAX_LIMIT);
        const int16_t black = ScanUp(histograms, c, GammaLevel(upwardStarts[c], displayGamma), scanEnd, T::WP_TH_PIXEL);
        const double dw = white == 0 ? -8.0 : ExposureLog2(white / 255.0);
        const double db = black == 0 ? -9.0 : ExposureLog2(black / 255.0);
        const auto slope = static_cast<float>((T::NEGA_BP_OUT - T::NEGA_WP_OUT) / (dw - db));
        result.channelGamma[c] = 1.0f / slope;
        result.channelOffset[c] = static_cast<float>(T::NEGA_BP_OUT - slope * dw);
        result.channelBalance[c] = 0;
    }
    result.highlight = T::HIGHLIGHT_IN;
    result.shadow = T::SHADOW_IN;
}

// Neutral density lines; green's white and black levels become highlight and shadow, and every
// channel's white level is balanced against green's.
void ExposePositive(const ExposureHistograms& histograms,
                    int16_t downStart,
                    int16_t scanEnd,
                    AutoExposureResult& result) {
    std::array<int16_t, 3> white{};
    std::array<int16_t, 3> black{};
    for (int c = 0; c < 3; ++c) {
        result.channelGamma[c] = 1.0f;
        result.channelOffset[c] = 0;
        white[c] = std::max(ScanDown(histograms, c, downStart, T::K_POSI_MAX), T::MAX_LIMIT);
        black[c] = ScanUp(histograms, c, 1, scanEnd, T::K_POSI_MIN);
    }
    result.highlight = white[kChannelGreen];
    result.shadow = black[kChannelGreen];
    std::array<double, 3> density{};
    for (int c = 0; c < 3; ++c) {
        density[c] = ExposureLog2(white[c] / 255.0) / result.channelGamma[c] + result.channelOffset[c];
    }
    for (int c = 0; c < 3; ++c) {
        result.channelBalance[c] = static_cast<float>(density[c] - density[kChannelGreen]);
    }
}

}  // namespace

bool AutoExposure(const ExposureImage& image,
                  const ExposureRect& rect,
                  ExposureMode mode,
                  float displayGamma,
                  float calibrationGamma,
                  AutoExposureResult& result) {
    if (mode != ExposureMode::NegativeFilm && mode != ExposureMode::PositiveFilm && mode != ExposureMode::Reflective) {
        return false;
    }
    const ExposureHistograms histograms = BuildExposureHistograms(image, rect);
    const int16_t levelPT = GammaLevel(T::MIN_P_T, displayGamma);
    const int16_t levelPosi = GammaLevel(T::MAX_POSI, displayGamma);
    const int16_t levelFB = GammaLevel(T::MAX_FB, displayGamma);

    AutoExposureResult computed;
    if (mode == ExposureMode::NegativeFilm) {
        ExposeNegative(histograms, levelPT, displayGamma, computed);
    } else {
        ExposePositive(histograms, mode == ExposureMode::PositiveFilm ? levelPosi : levelFB, levelPT, computed);
    }
    computed.gamma = GammaRule(histograms, levelPT, computed, displayGamma, calibrationGamma);
    result = computed;
    return true;
}

void StoreAutoExposure(const AutoExposureResult& result, bool gammaHeldFixed, ToneState& state) {
    state.channelGamma = result.channelGamma;
    state.channelOffset = result.channelOffset;
    state.channelBalance = result.channelBalance;

    const int32_t highlight = std::clamp<int32_t>(result.highlight, kHighlightMin, kHighlightMax);
    if (highlight != result.highlight) {
        state.exposureTenths = ExposureTenthsForHighlight(highlight);
    }
    state.highlightLevel = highlight;
    state.shadowLevel = std::clamp<int32_t>(result.shadow, kShadowMin, kShadowMax);

    // Rounded to percent; clamping before the truncation gives the same result and keeps it defined.
    double percent = result.gamma * 100.0f + 0.5;
    if (!(percent >= kGammaPercentMin)) {
        percent = kGammaPercentMin;
    }
    percent = std::min<double>(percent, kGammaPercentMax);
    state.gammaPercent = gammaHeldFixed ? 100 : static_cast<int32_t>(percent);
}

}  // namespace korva
