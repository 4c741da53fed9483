#include "core/imaging/colour_match.h"

#include <algorithm>

#include "core/preview/packed_dib.h"
#include "core/settings/fixed_text.h"

namespace korva {
namespace {

constexpr size_t kWindowsDirectoryCapacity = 60;
constexpr char kColourFolder[] = "\\system\\color\\";

constexpr uint32_t kSignature = 0x50534F43;  // "PSOC"
constexpr uint32_t kVersion = 0x400;
constexpr uint32_t kCalibratedRgb = 0;
constexpr uint32_t kBusinessGraphics = 1;
constexpr size_t kSignatureOffset = 0;
constexpr size_t kVersionOffset = 4;
constexpr size_t kSizeOffset = 8;
constexpr size_t kTypeOffset = 12;
constexpr size_t kIntentOffset = 16;

}  // namespace

bool HasDeviceProfile(std::string_view modelName) {
    return modelName == "TORVALE" || modelName == "Meridia";
}

ColourMatchPlan PlanColourMatch(SystemFacts& system, std::string_view modelName) {
    ColourMatchPlan plan;
    const bool ownProfile = HasDeviceProfile(modelName);
    if (HasSrgbColourManagement(system.Version())) {
        plan.route = ColourMatchRoute::kLibrary;
        plan.libraryProfile = ownProfile ? kDeviceProfile : "";
        return plan;
    }
    plan.route = ColourMatchRoute::kSystem;
    const std::string folder = Bounded(system.WindowsDirectory(), kWindowsDirectoryCapacity) + kColourFolder;
    plan.scannerPath = folder + (ownProfile ? kDeviceProfile : kOtherModelsProfile);
    plan.displayPath = folder + kDisplayProfile;
    return plan;
}

LogicalColourSpace DescribeColourSpace(std::string_view profilePath) {
    LogicalColourSpace bytes{};
    WriteU32(bytes, kSignatureOffset, kSignature);
    WriteU32(bytes, kVersionOffset, kVersion);
    WriteU32(bytes, kSizeOffset, kLogicalColourSpaceSize);
    WriteU32(bytes, kTypeOffset, kCalibratedRgb);
    WriteU32(bytes, kIntentOffset, kBusinessGraphics);
    const std::string name = Bounded(profilePath, kColourSpaceFileNameCapacity);
    std::copy(name.begin(), name.end(), bytes.begin() + kColourSpaceFileNameOffset);
    return bytes;
}

std::string ColourSpaceFileName(std::span<const uint8_t, kLogicalColourSpaceSize> description) {
    const auto field = description.subspan<kColourSpaceFileNameOffset, kColourSpaceFileNameCapacity>();
    return std::string(field.begin(), std::find(field.begin(), field.end(), uint8_t{0}));
}

}  // namespace korva
