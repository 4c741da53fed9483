#include "tools/datasource/device_model.h"

#include <algorithm>
#include <charconv>

namespace korva::sim {
namespace {

constexpr size_t kTextCapacity = 260;
constexpr int8_t kFocusFailed = -100;
constexpr uint8_t kFocusRun = 3;
constexpr size_t kMaxResolutions = 32;
constexpr size_t kModelNameBytes = 8;

DeviceModel BaseModel(const std::string& kind) {
    DeviceModel model;
    if (kind == "level1") {
        model.level = 1;
        model.modelName = "TORVA1";
        model.optionUnit = 2;
        model.resolutions = {75, 150, 300, 600};
        model.printerPresets = 3;
        model.focusing = false;
    } else if (kind == "feeder") {
        model.modelName = "TORVAF";
        model.optionUnit = 0;
        model.flatbed = model.feeder;
        model.resolutions = {100, 150, 200, 300, 400, 600};
        model.focusing = false;
    }
    return model;
}

// "50, 72, 75" as numbers in 1..65535, ascending, at most 32; anything else ends the list.
std::vector<uint16_t> ParseResolutions(const std::string& text) {
    std::vector<uint16_t> list;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && list.size() < kMaxResolutions) {
        while (p < end && (*p == ' ' || *p == ',')) {
            ++p;
        }
        unsigned value = 0;
        const auto [next, error] = std::from_chars(p, end, value);
        if (error != std::errc() || value == 0 || value > 0xFFFF || (!list.empty() && value <= list.back())) {
            break;
        }
        list.push_back(static_cast<uint16_t>(value));
        p = next;
    }
    return list;
}

}  // namespace

DeviceModel ReadDeviceModel(Profile& profile, const std::string& iniPath, const std::string& driverFolder) {
    auto text = [&](const char* key, const std::string& def) {
        return profile.ReadString(iniPath, kSimulatorSection, key, def, kTextCapacity);
    };
    auto number = [&](const char* key, int32_t def) { return profile.ReadInt(iniPath, kSimulatorSection, key, def); };
    DeviceModel model = BaseModel(text("Device", "full"));
    model.level = number("Level", model.level);
    model.modelName = text("Model", model.modelName).substr(0, kModelNameBytes - 1);
    model.optionUnit = std::clamp(number("OptionUnit", model.optionUnit), 0, 2);
    for (auto [bed, name] : {std::pair{&model.flatbed, "Flatbed"}, {&model.feeder, "Feeder"}, {&model.film, "Film"}}) {
        bed->width = std::max(1, number((std::string(name) + "Width").c_str(), bed->width));
        bed->height = std::max(1, number((std::string(name) + "Height").c_str(), bed->height));
    }
    if (std::vector<uint16_t> list = ParseResolutions(text("Resolutions", "")); !list.empty()) {
        model.resolutions = list;
    }
    model.printerPresets = std::clamp(number("PrinterPresets", model.printerPresets), 0, 6);
    model.focusing = number("Focus", model.focusing ? 1 : 0) == 1;
    model.focusFails = number("FocusFails", 0) == 1;
    model.focusTenths = std::clamp(number("FocusPosition", model.focusTenths), -20, 60);
    model.lampOff = number("LampOff", 0) == 1;
    model.deepColourAccepted = number("DeepColor", 0) == 1;
    model.outputFolder = text("Output", driverFolder + "\\SCANS");
    model.imageFile = text("ImageFile", "");
    return model;
}

void DescribeDevice(const DeviceModel& model, SourceContext& c) {
    c.Set(ctx::level, model.level);
    c.SetText(ctx::modelName, model.modelName);
    c.Set(ctx::optionUnit, model.optionUnit);
    c.Set(ctx::bedWidth0, model.flatbed.width);
    c.Set(ctx::bedHeight0, model.flatbed.height);
    const BedSize& option = model.optionUnit == 1 ? model.film : model.feeder;
    c.Set(ctx::bedWidth1, option.width);
    c.Set(ctx::bedHeight1, option.height);
    c.Set(ctx::printerPresetCount, model.printerPresets);
    for (uint32_t i = 0; i < model.resolutions.size(); ++i) {
        c.Set(ctx::resolutionList, model.resolutions[i], i);
    }
    c.Set(ctx::resolutionCount, static_cast<int64_t>(model.resolutions.size()));
    c.Set(ctx::deepColorAccepted, model.deepColourAccepted ? 1 : 0);
}

bool AnswerPreviewRequest(const DeviceModel& model, SourceContext& context) {
    if (context.Get(ctx::focusMode) == kFocusRun) {
        const bool fails = model.focusFails || !model.focusing;
        context.Set(ctx::focusTenths, fails ? kFocusFailed : model.focusTenths);
    }
    return !model.lampOff;
}

}  // namespace korva::sim
