// The simulated device as the data source's own INI section "Simulator" describes it. "Device" chooses a
// model ("full", the default, which makes every feature of the module available; "level1", an early
// device of capability level 1; "feeder", a sheet-feed-only scanner); the other keys change one property
// of the chosen model.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/boundary/source_context.h"
#include "platform/profile.h"

namespace korva::sim {

inline constexpr char kSimulatorSection[] = "Simulator";

// Sizes in hundredths of an inch.
struct BedSize {
    int32_t width = 0;
    int32_t height = 0;
};

struct DeviceModel {
    int32_t level = 6;
    std::string modelName = "TORVALE";
    int32_t optionUnit = 1;  // 0 feeder, 1 transparency unit, 2 none
    BedSize flatbed{850, 1169};
    BedSize feeder{850, 1400};
    BedSize film{250, 200};
    std::vector<uint16_t> resolutions{50, 72, 75, 100, 150, 200, 240, 300, 360, 400, 600, 1200};
    int32_t printerPresets = 6;
    bool focusing = true;      // the device can focus (film unit)
    bool focusFails = false;   // the focus run finds no sharp position
    int32_t focusTenths = 12;  // the position the focus run finds
    bool lampOff = false;      // no preview can be made
    bool deepColourAccepted = false;
    std::string outputFolder;  // where final scans go
    std::string imageFile;     // a 24-bit bitmap scanned instead of the test chart
};

// `driverFolder` gives the default output folder, its "SCANS" folder.
DeviceModel ReadDeviceModel(Profile& profile, const std::string& iniPath, const std::string& driverFolder);

// What the device tells the module before the user interface starts.
void DescribeDevice(const DeviceModel& model, SourceContext& context);

// A preview request as the device answers it before scanning: a focus run (`focusMode` 3) gets the
// position found in `focusTenths`, or -100 when the device cannot focus; false when no image can be made
// because the lamp is off.
bool AnswerPreviewRequest(const DeviceModel& model, SourceContext& context);

}  // namespace korva::sim
