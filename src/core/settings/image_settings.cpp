#include "core/settings/image_settings.h"

#include <array>
#include <string>

namespace korva {
namespace {

constexpr char kSection[] = "ImageSetting";
constexpr char kTabs[] = "Tab Setting";
constexpr int kFlag14 = 14;
constexpr int kOutWidthLock = 15;
constexpr int kOutHeightLock = 16;
constexpr int kScaleLock = 17;
constexpr int kImageLock = 18;

constexpr std::array<const char*, 3> kChannelNames = {"Red", "Green", "Blue"};
constexpr std::array<const char*, 4> kRectSides = {"left", "top", "right", "bottom"};

// A group of three colour floats: key prefix and the factor they are stored with.
struct ColourFloatKeys {
    const char* prefix;
    float factor;
    int32_t readDefault;
};
constexpr ColourFloatKeys kGammaKeys{"FG", 1000.0f, 1000};
constexpr ColourFloatKeys kOffsetKeys{"FYP", 1000.0f, 0};
constexpr ColourFloatKeys kBalanceKeys{"GL", 100.0f, 0};

std::string IprocKey(int k) {
    return "IprocValue" + std::to_string(k);
}

class ImageSection {
  public:
    ImageSection(Profile& profile, const std::string& ini) : profile_(profile), ini_(ini) {}

    int32_t Int(const std::string& key, int32_t def, const char* section = kSection) const {
        return profile_.ReadInt(ini_, section, key, def);
    }
    int32_t Bool(const std::string& key, bool def) const {
        return ReadBool(profile_, ini_, kSection, key, def) ? 1 : 0;
    }
    void Write(const std::string& key, int32_t value, const char* section = kSection) const {
        WriteInt(profile_, ini_, section, key, value);
    }

    Rect ReadRect(const std::string& name, const PreviewView& view) const {
        const std::array<int32_t, 4> defaults = {0, 0, view.viewWidth, view.viewHeight};
        std::array<int32_t, 4> v{};
        for (size_t i = 0; i < v.size(); ++i) {
            v[i] = Int(name + "." + kRectSides[i], defaults[i]);
        }
        return Rect{v[0], v[1], v[2], v[3]};
    }
    void WriteRect(const std::string& name, const Rect& rect) const {
        const std::array<int32_t, 4> v = {rect.left, rect.top, rect.right, rect.bottom};
        for (size_t i = 0; i < v.size(); ++i) {
            Write(name + "." + kRectSides[i], v[i]);
        }
    }

    void ReadFloats(const ColourFloatKeys& keys, std::array<float, 3>& floats) const {
        for (size_t i = 0; i < floats.size(); ++i) {
            floats[i] =
                static_cast<float>(Int(std::string(keys.prefix) + kChannelNames[i], keys.readDefault)) / keys.factor;
        }
    }
    void WriteFloats(const ColourFloatKeys& keys, const std::array<float, 3>& floats) const {
        for (size_t i = 0; i < floats.size(); ++i) {
            Write(std::string(keys.prefix) + kChannelNames[i],
                  TruncateToInt32(static_cast<double>(floats[i] * keys.factor)));
        }
    }

  private:
    Profile& profile_;
    const std::string& ini_;
};

void ReadLock(const ImageSection& section, int k, int32_t& flag, int32_t& saved) {
    flag = section.Bool(IprocKey(k), false);
    saved = flag;
}

}  // namespace

void ReadImageProcessingValues(ScanSettings& s, Services& services) {
    const ImageSection section(services.profile, s.locations.iniPath);
    for (int k = 0; k < kImageProcessingParameters; ++k) {
        s.iproc[k] = section.Int(IprocKey(k), ParameterDefault(k, s.focusPosition));
        s.iprocSaved[k] = s.iproc[k];
    }
}

void WriteExposureValues(const ScanSettings& s, Services& services) {
    const ImageSection section(services.profile, s.locations.iniPath);
    for (int k = 0; k < kImageProcessingParameters; ++k) {
        if (k != iproc::kThreshold) {
            section.Write(IprocKey(k), s.iproc[k]);
        }
    }
}

void LoadImageSettings(ScanSettings& s,
                       PreviewView& view,
                       Services& services,
                       int32_t bitmapWidth,
                       int32_t bitmapHeight) {
    const ImageSection section(services.profile, s.locations.iniPath);
    view.viewWidth = static_cast<uint16_t>(bitmapWidth);
    view.viewHeight = static_cast<uint16_t>(bitmapHeight);

    ReadImageProcessingValues(s, services);
    s.bFit2 = section.Bool("bFit2", false);
    s.red = section.Int("Red", 0);
    s.green = section.Int("Green", 0);
    s.blue = section.Int("Blue", 0);
    s.switchRed = section.Bool("swRed", false);
    s.switchGreen = section.Bool("swGreen", false);
    s.switchBlue = section.Bool("swBlue", true);
    s.toneMaps.current = section.Int("Gamma", 0);
    s.processingFlag14 = section.Bool(IprocKey(kFlag14), false);
    ReadLock(section, kOutWidthLock, s.locks.outWidth, s.savedLocks.outWidth);
    ReadLock(section, kOutHeightLock, s.locks.outHeight, s.savedLocks.outHeight);
    ReadLock(section, kScaleLock, s.locks.scale, s.savedLocks.scale);
    ReadLock(section, kImageLock, s.locks.image, s.savedLocks.image);
    s.scalePercent = section.Int("Magnification", 100);

    view.areaWidth = section.Int("xScan", view.viewWidth);
    view.areaHeight = section.Int("yScan", view.viewWidth);
    view.selWidth = view.areaWidth;
    view.selHeight = view.areaHeight;
    s.outWidth = static_cast<uint16_t>(view.areaWidth);
    s.outHeight = static_cast<uint16_t>(view.areaHeight);
    view.areaLeft = section.Int("xScanOff", 0);
    view.areaTop = section.Int("yScanOff", 0);

    view.currentRect = section.ReadRect("SelectRect", view);
    s.ocr.selectRect = section.ReadRect("OcrSelectRect", view);
    s.photo.selectRect = section.ReadRect("PhotoSelectRect", view);
    s.ocr.paperSize = section.Int("OCR PaperSize", 0, kTabs);
    s.photo.paperSize = section.Int("Photo PaperSize", 0, kTabs);

    section.ReadFloats(kGammaKeys, s.channelGamma);
    section.ReadFloats(kOffsetKeys, s.channelOffset);
    section.ReadFloats(kBalanceKeys, s.channelBalance);
}

void SaveImageSettings(const ScanSettings& s, const PreviewView& view, bool previewExists, Services& services) {
    const ImageSection section(services.profile, s.locations.iniPath);
    const bool ocrPage = s.tabFlag == 1;
    for (int k = 0; k < kImageProcessingParameters; ++k) {
        const bool threshold = k == iproc::kThreshold;
        if (ocrPage ? threshold : (!s.colorMatchActive && !threshold)) {
            section.Write(IprocKey(k), s.iproc[k]);
        }
    }
    section.Write("bFit2", s.bFit2);
    section.Write("Red", s.red);
    section.Write("Green", s.green);
    section.Write("Blue", s.blue);
    section.Write("swRed", s.switchRed);
    section.Write("swGreen", s.switchGreen);
    section.Write("swBlue", s.switchBlue);
    section.Write("Gamma", s.toneMaps.current);
    section.Write(IprocKey(kFlag14), s.processingFlag14);
    section.Write(IprocKey(kOutWidthLock), s.locks.outWidth);
    section.Write(IprocKey(kOutHeightLock), s.locks.outHeight);
    section.Write(IprocKey(kScaleLock), s.locks.scale);
    section.Write(IprocKey(kImageLock), s.locks.image);
    section.Write("Magnification", s.scalePercent);
    section.Write("xScan", view.areaWidth);
    section.Write("yScan", view.areaHeight);
    section.Write("xScanOff", view.areaLeft);
    section.Write("yScanOff", view.areaTop);
    if (previewExists) {
        section.WriteRect("SelectRect", view.currentRect);
        section.WriteRect("OcrSelectRect", s.ocr.selectRect);
        section.WriteRect("PhotoSelectRect", s.photo.selectRect);
        section.Write("OCR PaperSize", s.ocr.paperSize, kTabs);
        section.Write("Photo PaperSize", s.photo.paperSize, kTabs);
    }
    section.WriteFloats(kGammaKeys, s.channelGamma);
    section.WriteFloats(kOffsetKeys, s.channelOffset);
    section.WriteFloats(kBalanceKeys, s.channelBalance);
}

}  // namespace korva
