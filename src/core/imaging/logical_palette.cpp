#include "core/imaging/logical_palette.h"

#include <algorithm>

#include "core/preview/packed_dib.h"

namespace korva {
namespace {

constexpr size_t kStaticColours = 20;
constexpr size_t kMaxEntries = 256;
constexpr uint32_t kFewestWithStaticColours = 17;

uint32_t ColourCount(std::span<const uint8_t> header) {
    const uint32_t used = ReadU32(header, dib::kClrUsed);
    if (used != 0) {
        return used;
    }
    switch (ReadU16(header, dib::kBitCount)) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

std::vector<PaletteEntry> ColourCube() {
    std::vector<PaletteEntry> cube(kMaxEntries);
    for (uint32_t i = 0; i < kMaxEntries; ++i) {
        cube[i] = PaletteEntry{static_cast<uint8_t>(i % 8 * 32), static_cast<uint8_t>(i / 8 % 8 * 32),
                               static_cast<uint8_t>(i / 64 * 64), 0};
    }
    return cube;
}

}  // namespace

std::optional<LogicalPalette> MakeLogicalPalette(std::span<const uint8_t> headerWithColours,
                                                 bool paletteDisplay,
                                                 const SystemPalette& system) {
    if (headerWithColours.size() < kInfoHeaderBytes || ReadU32(headerWithColours, dib::kSize) != kInfoHeaderBytes) {
        return std::nullopt;
    }
    const uint64_t count = ColourCount(headerWithColours);
    if (headerWithColours.size() < kInfoHeaderBytes + 4 * count) {
        return std::nullopt;
    }
    LogicalPalette palette;
    if (count == 0) {
        if (ReadU16(headerWithColours, dib::kBitCount) == 24) {
            palette.entries = ColourCube();
        }
        return palette;
    }
    const bool withStaticColours = paletteDisplay && count >= kFewestWithStaticColours;
    if (withStaticColours) {
        palette.entries.assign(system.begin(), system.begin() + kStaticColours);
    }
    const uint8_t* colour = headerWithColours.data() + kInfoHeaderBytes;
    for (uint64_t i = 0; i < count; ++i, colour += 4) {
        palette.entries.push_back(PaletteEntry{colour[2], colour[1], colour[0], 0});
    }
    if (withStaticColours) {
        palette.entries.insert(palette.entries.end(), system.end() - kStaticColours, system.end());
        palette.entries.resize(std::min(palette.entries.size(), kMaxEntries));
    }
    return palette;
}

}  // namespace korva
