#include "core/boundary/scan_tables.h"

#include <cmath>
#include <cstring>

#include "core/settings/tone_settings.h"
#include "core/tone/display_tables.h"
#include "core/tone/tone_map.h"
#include "core/tone/tone_state.h"

namespace korva {
namespace {

constexpr double kThresholdExponent = 0.5555555555555556;  // 1 / 1.8

}  // namespace

DisplayTables BuildScanTables(const ScanSettings& settings) {
    ToneTables tables;
    BuildToneMapCurves(ToneMapInForce(settings), tables);
    BuildDisplayTables(ExposureParamsFromState(ToneStateOf(settings)), tables);
    return tables.displayTables;
}

void WriteTables(SourceContext& context, const DisplayTables& tables) {
    if (!context.IsAttached()) {
        return;
    }
    std::memcpy(context.Bytes(ctx::tableRed), tables[kChannelRed].data(), ctx::tableRed.count);
    std::memcpy(context.Bytes(ctx::tableGreen), tables[kChannelGreen].data(), ctx::tableGreen.count);
    std::memcpy(context.Bytes(ctx::tableBlue), tables[kChannelBlue].data(), ctx::tableBlue.count);
}

void WriteColourMatrix(SourceContext& context, const std::array<uint8_t, 9>& matrix) {
    if (!context.IsAttached()) {
        return;
    }
    std::memcpy(context.Bytes(ctx::colorMatrix), matrix.data(), ctx::colorMatrix.count);
}

uint16_t GammaCorrectedThreshold(int32_t threshold) {
    return static_cast<uint16_t>(TruncateToInt32(255.0 * std::pow(threshold / 255.0, kThresholdExponent)));
}

}  // namespace korva
