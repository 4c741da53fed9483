// Byte lookup tables of the tone subsystem: a ToneCurve maps an input level to an output level; the four
// tone-map curves (red, green, blue, master) and the three display tables (red, green, blue) are fixed
// arrays of them, in that channel order. ToneTables is the derived tone data a user interface holds:
// rebuilt from the tone map and the tone state before every use, never saved.
#pragma once

#include <array>
#include <cstdint>

namespace korva {

using ToneCurve = std::array<uint8_t, 256>;

inline constexpr int kChannelRed = 0;
inline constexpr int kChannelGreen = 1;
inline constexpr int kChannelBlue = 2;
inline constexpr int kChannelMaster = 3;

// Red, green, blue, master: one 1024-byte block.
using ToneCurves = std::array<ToneCurve, 4>;
// Red, green, blue.
using DisplayTables = std::array<ToneCurve, 3>;

struct ToneTables {
    ToneCurves toneCurves{};
    // Set by BuildToneMapCurves; whoever rebuilds the tables clears it first.
    bool toneCurvesInForce = false;
    // The output tables every picture passes through; built from toneCurves and the exposure model.
    DisplayTables displayTables{};
};

}  // namespace korva
