// The logical palette the pane selects to show an indexed image, made from the image's info header and,
// on a palette display, the system's static colours.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korva {

struct PaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;

    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

inline constexpr uint16_t kPaletteVersion = 0x300;

struct LogicalPalette {
    uint16_t version = kPaletteVersion;
    std::vector<PaletteEntry> entries;
};

// The system palette's 256 entries; the first and last 20 are its static colours.
using SystemPalette = std::array<PaletteEntry, 256>;

// From a 40-byte info header followed by its colour table. The colour count n is the header's colours
// used, or 2, 16, 256 for 1, 4, 8 bits per pixel when that is 0.
// - n >= 17 on a palette display: the first 20 system colours, the n header colours, the last 20 system
//   colours, at most 256 entries in all;
// - other n > 0: the n header colours;
// - n = 0 at 24 bits per pixel: a 256-entry colour cube, entry i = red (i mod 8) * 32,
//   green ((i / 8) mod 8) * 32, blue (i / 64) * 64; at other depths no entries.
// Header colours keep their red, green and blue with flags 0. None for a header that is not 40 bytes or
// whose colour table is cut short.
std::optional<LogicalPalette> MakeLogicalPalette(std::span<const uint8_t> headerWithColours,
                                                 bool paletteDisplay,
                                                 const SystemPalette& system);

}  // namespace korva
