// Colour matching of the preview: which route converts the pixels, with which profiles, and the logical
// colour-space descriptions the system route hands to the system.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/system_facts.h"

namespace korva {

inline constexpr char kColourMatchEntry[] = "DoColorMatch2";
// The runtime's flag word: 3 bytes per pixel (low word), relative colorimetric intent (high word).
inline constexpr uint32_t kColourMatchFlags = 0x10003;
inline constexpr char kDeviceProfile[] = "qa4100r.icm";
inline constexpr char kOtherModelsProfile[] = "mrd512r.icm";
inline constexpr char kDisplayProfile[] = "mon17k65.icm";

enum class ColourMatchRoute : uint8_t {
    kLibrary,  // Windows 98 or later, NT 5 or later: the runtime converts the pixels in place
    kSystem,   // Windows 95, NT 4: the system converts them while drawing into a memory bitmap
};

struct ColourMatchPlan {
    ColourMatchRoute route = ColourMatchRoute::kLibrary;
    // Library route: the scanner profile's file name, empty when the model has none (no matching).
    std::string libraryProfile;
    // System route: full paths of the scanner and display profiles.
    std::string scannerPath;
    std::string displayPath;
};

// True when the model name is exactly one of the device's own words, "TORVALE" or "Meridia".
bool HasDeviceProfile(std::string_view modelName);

ColourMatchPlan PlanColourMatch(SystemFacts& system, std::string_view modelName);

// The logical colour-space description (328 bytes, little-endian): signature "PSOC", version 0x400,
// size 328, calibrated RGB, business-graphics intent, zero end points and gammas, and the profile's
// file name in its 260-byte field.
inline constexpr size_t kLogicalColourSpaceSize = 328;
inline constexpr size_t kColourSpaceFileNameOffset = 68;
inline constexpr size_t kColourSpaceFileNameCapacity = 260;
using LogicalColourSpace = std::array<uint8_t, kLogicalColourSpaceSize>;

LogicalColourSpace DescribeColourSpace(std::string_view profilePath);
// The file name field of a description, up to its first zero.
std::string ColourSpaceFileName(std::span<const uint8_t, kLogicalColourSpaceSize> description);

}  // namespace korva
