// The ToneMap record: five output levels for each of the red, green, blue and master channels, the pin
// flags of each channel and the channel button to show, as the 25 32-bit values of a tone-map catalogue
// row. Also the fixed input levels of the five points, the six built-in tone maps and the construction
// of the four tone-map curves.
#pragma once

#include <array>
#include <cstdint>

#include "core/tone/spline.h"
#include "core/tone/tone_curve.h"

namespace korva {

// Input levels of the points Shadow, 3/4 Tone, Midtone, 1/4 Tone, Highlight; never taken from stored data.
inline constexpr std::array<int16_t, 5> kPointLevels = {8, 64, 128, 192, 245};

// Control ids of the channel buttons stored as the selected channel (red, green, blue, master).
inline constexpr uint32_t kChannelButtonRed = 440;
inline constexpr uint32_t kChannelButtonMaster = 443;

inline constexpr int kToneMapValueCount = 25;

struct ToneMap {
    // cells[c][p]: the low 16 bits hold point p's output level of channel c as a signed 16-bit number.
    std::array<std::array<uint32_t, 5>, 4> cells{};
    // Per channel: bit 1, 2, 3 pin points 1, 2, 3; Shadow and Highlight are always in force.
    std::array<uint32_t, 4> pinFlags{};
    uint32_t selectedChannel = kChannelButtonMaster;

    int16_t PointOutput(int channel, int point) const { return static_cast<int16_t>(cells[channel][point]); }
    // Writes the whole cell, upper half zero.
    void SetPointOutput(int channel, int point, int16_t level) { cells[channel][point] = static_cast<uint16_t>(level); }
    bool IsPinned(int channel, int point) const { return ((pinFlags[channel] >> point) & 1) != 0; }

    // The catalogue row's order: 20 cells channel by channel, four pin-flag words, the selected channel.
    std::array<uint32_t, kToneMapValueCount> ToValues() const;
    static ToneMap FromValues(const std::array<uint32_t, kToneMapValueCount>& values);
};

// The channel's five points at kPointLevels, all in force.
std::array<SplinePoint, 5> ToneMapPoints(const ToneMap& toneMap, int channel);

// Builds the spline curve of every channel through all five points of the tone map into
// tables.toneCurves (pin flags do not matter here) and sets tables.toneCurvesInForce.
void BuildToneMapCurves(const ToneMap& toneMap, ToneTables& tables);

struct BuiltInToneMap {
    uint32_t nameStringId;  // 215 "Linear" .. 220 "Open Shadow"
    ToneMap toneMap;
};

inline constexpr int kBuiltInToneMapCount = 6;

// The six tone maps created when no user list exists, in list order.
std::array<BuiltInToneMap, kBuiltInToneMapCount> BuiltInToneMaps();

}  // namespace korva
