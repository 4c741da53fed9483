// The output tables and the colour matrix a scan request hands to the data source: identity for a raw
// picture, or the tone map and exposure settings turned into the three channel tables.
#pragma once

#include <array>
#include <cstdint>

#include "core/boundary/source_context.h"
#include "core/settings/scan_settings.h"
#include "core/tone/display_tables.h"
#include "core/tone/tone_curve.h"

namespace korva {

// The tone map in force built into curves, then the channel tables from exposure (parameter 0, tenths),
// gamma (parameter 1, hundredths), highlight, shadow, gray-balance strength and the per-channel values.
DisplayTables BuildScanTables(const ScanSettings& settings);

// Copies the red, green and blue tables into the block.
void WriteTables(SourceContext& context, const DisplayTables& tables);

// The colour matrix that leaves the picture as scanned: 32 (1.0) on the diagonal.
inline constexpr std::array<uint8_t, 9> kIdentityDeviceMatrix = {32, 0, 0, 0, 32, 0, 0, 0, 32};

void WriteColourMatrix(SourceContext& context, const std::array<uint8_t, 9>& matrix);

// The black-and-white threshold the device compares with: 255 x (t / 255)^(1 / 1.8), truncated, so that
// the level the preview shows as the edge is the one the scan uses.
uint16_t GammaCorrectedThreshold(int32_t threshold);

}  // namespace korva
