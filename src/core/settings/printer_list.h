// The printer list: the device's built-in printer presets followed by the further calibration files.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace korva {

struct PrinterRow {
    std::array<char, 40> name{};
    std::array<char, 14> code{};  // base name of the row's calibration file; empty for a preset without one
};

inline constexpr int kMaxPrinterPresets = 6;
inline constexpr int kScreenPresetRow = 1;

using PrinterList = std::vector<PrinterRow>;

}  // namespace korva
