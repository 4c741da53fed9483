#include "tools/datasource/starting_settings.h"

#include <cmath>

namespace korva::sim {
namespace {

namespace tw = twain;

constexpr char kSettings[] = "Settings";
constexpr char kTabs[] = "Tab Setting";
constexpr char kImage[] = "ImageSetting";
// The module's unit numbers: inches, pixels, centimetres.
constexpr int32_t kModuleInches = 0;
constexpr int32_t kModulePixels = 1;
constexpr int32_t kModuleCentimetres = 2;
// The Photo page's colour and black-and-white photo buttons, and the OCR page's line-art button.
constexpr int32_t kColourPhoto = 990;
constexpr int32_t kGreyPhoto = 991;
constexpr int32_t kLineArt = 982;

int32_t Hundredths(double inches) {
    return static_cast<int32_t>(std::lround(inches * 100));
}

}  // namespace

void WriteStartingSettings(Profile& profile, const std::string& iniPath, TwainSession& session) {
    const CapabilityTable& caps = session.Capabilities();
    const auto write = [&](const char* section, const char* key, int32_t value) {
        WriteInt(profile, iniPath, section, key, value);
    };
    if (caps.Negotiated(tw::kICapUnits)) {
        const uint16_t units = caps.Units();
        write(kSettings, "DISP UNIT",
              units == tw::kUnPixels        ? kModulePixels
              : units == tw::kUnCentimeters ? kModuleCentimetres
                                            : kModuleInches);
    }
    if (caps.Negotiated(tw::kICapPixelType)) {
        const uint16_t type = caps.PixelType();
        write(kTabs, "Tab Flag", type == tw::kPtBw ? 1 : 0);
        if (type == tw::kPtBw) {
            write(kTabs, "BlackWhite Option", kLineArt);
        } else {
            write(kTabs, "Color Selection", type == tw::kPtGray ? kGreyPhoto : kColourPhoto);
        }
    }
    if (caps.Negotiated(tw::kICapXResolution) || caps.Negotiated(tw::kICapYResolution)) {
        // No list position: the module takes the resolution as if typed.
        for (const char* page : {"Photo", "OCR"}) {
            write(kTabs, (std::string(page) + " ResList").c_str(), -1);
            write(kTabs, (std::string(page) + " Resolution").c_str(), caps.Resolution());
        }
    }
    if (session.LayoutNegotiated()) {
        const Frame frame = session.Layout();
        write(kImage, "xScanOff", Hundredths(frame.left));
        write(kImage, "yScanOff", Hundredths(frame.top));
        write(kImage, "xScan", Hundredths(frame.right - frame.left));
        write(kImage, "yScan", Hundredths(frame.bottom - frame.top));
    }
}

}  // namespace korva::sim
