#include "core/tone/display_tables.h"

#include <cmath>

#include "core/tone/base2_log.h"

namespace korva {

namespace {

// Density of 255 * 2^x = 245: input H lands on output 245.
constexpr double kHighlightDensity = -0.05772;

}  // namespace

void BuildDisplayTables(const ExposureParams& params, ToneTables& tables) {
    const double g = params.gamma;
    const double k = kHighlightDensity - ToneLog2(params.highlight / 255.0) / g;
    const double s = params.shadow != 0 ? 255 * std::pow(2.0, ToneLog2(params.shadow / 255.0) / g + k) + 0.5 : 0.0;
    // Linear stretch sending s to 8 and 245 to 245.
    const double a = 237 / (245 - s);
    const double b = 8 - s * a;

    for (int c = 0; c < 3; ++c) {
        const float gammaC = params.channelGamma[c];
        const float beta =
            params.channelOffset[c] - static_cast<float>(params.grayBalancePercent) * params.channelBalance[c] / 100.0f;
        ToneCurve& table = tables.displayTables[c];
        table[0] = gammaC < 0 ? 255 : 0;
        for (int i = 1; i < 256; ++i) {
            const double t = (ToneLog2(i / 255.0) / gammaC + beta) / g + k;
            double v = (255 * std::pow(2.0, t) + 0.5) * a + b;
            if (v > 255) {
                v = 255;
            }
            if (!(v >= 0)) {
                v = 0;
            }
            table[i] = static_cast<uint8_t>(v);
        }
    }

    const ToneCurve& master = tables.toneCurves[kChannelMaster];
    for (int c = 0; c < 3; ++c) {
        const ToneCurve& own = tables.toneCurves[c];
        for (uint8_t& entry : tables.displayTables[c]) {
            entry = own[master[entry]];
        }
    }
}

DisplayTables IdentityTables() {
    DisplayTables tables;
    for (ToneCurve& table : tables) {
        for (size_t i = 0; i < table.size(); ++i) {
            table[i] = static_cast<uint8_t>(i);
        }
    }
    return tables;
}

void InvertTables(DisplayTables& tables) {
    for (ToneCurve& table : tables) {
        for (uint8_t& v : table) {
            v = static_cast<uint8_t>(255 - v);
        }
    }
}

}  // namespace korva
