#include "core/settings/calibration.h"

#include <strings.h>

#include <algorithm>
#include <array>

#include "core/settings/fixed_text.h"
#include "core/settings/locations.h"

namespace korva {
namespace {

struct Preset {
    int nameString;
    const char* code;
};

constexpr Preset kPresets[kMaxPrinterPresets] = {
    {140, "GENERAL"}, {141, "SCREEN"}, {142, "IMPACT"}, {143, "THERMAL"}, {144, "INKJET"}, {145, "LASER"},
};

constexpr size_t kExtensionLength = 4;  // ".cal"

constexpr std::array<uint8_t, 21> kGammaMidValues = {128, 136, 144, 150, 156, 161, 166, 170, 174, 177, 181,
                                                     184, 186, 189, 191, 194, 196, 198, 199, 201, 203};

std::string CalibrationFolder(const ScanSettings& settings, SystemFacts& system) {
    return WindowsDirectory(system) + settings.locations.calibrationDir;
}

bool IsPresetCode(std::string_view baseName, int presets) {
    return std::any_of(kPresets, kPresets + presets, [&](const Preset& p) {
        return baseName.size() == std::char_traits<char>::length(p.code) &&
               ::strncasecmp(baseName.data(), p.code, baseName.size()) == 0;
    });
}

}  // namespace

std::string CalibrationFilePath(const ScanSettings& settings, SystemFacts& system, std::string_view code) {
    return CalibrationFolder(settings, system) + "\\" + std::string(code) + ".cal";
}

void BuildPrinterList(ScanSettings& settings, Services& services, const SourceContext& context) {
    const int presets = static_cast<int>(std::min<int64_t>(context.Get(ctx::printerPresetCount), kMaxPrinterPresets));
    const bool withFiles = context.Get(ctx::level) >= 2;
    PrinterList& list = settings.printers;
    list.assign(static_cast<size_t>(presets), PrinterRow{});
    for (int i = 0; i < presets; ++i) {
        SetFieldText(list[i].name, services.strings.Load(kPresets[i].nameString));
        if (withFiles) {
            SetFieldText(list[i].code, kPresets[i].code);
        }
    }
    if (!withFiles) {
        return;
    }
    for (const std::string& file : services.files.List(CalibrationFolder(settings, services.system), "*.cal")) {
        if (file.size() < kExtensionLength) {
            continue;
        }
        const std::string baseName = file.substr(0, file.size() - kExtensionLength);
        PrinterRow row;
        if (IsPresetCode(baseName, presets) || baseName.size() >= row.code.size()) {
            continue;
        }
        auto handle = services.files.Open(CalibrationFilePath(settings, services.system, baseName), FileMode::kRead);
        if (!handle || !handle->Seek(kCalibrationNameOffset)) {
            continue;
        }
        std::array<char, 32> name{};
        const size_t got = handle->Read(name.data(), name.size());
        SetFieldText(row.name, std::string_view(name.data(), got));
        SetFieldText(row.code, baseName);
        list.push_back(row);
    }
}

int32_t FindPrinter(const PrinterList& printers, std::string_view name) {
    for (size_t i = 0; i < printers.size(); ++i) {
        if (FieldText(printers[i].name) == name) {
            return static_cast<int32_t>(i);
        }
    }
    return 0;
}

int ReadScreenCalibration(ScanSettings& settings, Services& services, std::string_view name) {
    if (settings.printers.empty()) {
        return 1;
    }
    const PrinterRow& row = settings.printers[static_cast<size_t>(FindPrinter(settings.printers, name))];
    auto file =
        services.files.Open(CalibrationFilePath(settings, services.system, FieldText(row.code)), FileMode::kRead);
    if (!file || !file->Seek(kCalibrationTablesOffset)) {
        return 1;
    }
    std::array<uint8_t, kCalibrationTableBytes> table{};
    for (int i = 0; i < 3; ++i) {
        if (file->Read(table.data(), table.size()) != table.size()) {
            return 1;
        }
        settings.calibrationMidValue = table[kCalibrationMidPosition];
    }
    return 0;
}

double DisplayGammaFromMidValue(uint8_t midValue) {
    const auto* it = std::find(kGammaMidValues.begin(), kGammaMidValues.end(), midValue);
    if (it == kGammaMidValues.end()) {
        return 0.0;
    }
    return 1.0 + static_cast<double>(it - kGammaMidValues.begin()) / 10.0;
}

bool CheckScreenCalibration(ScanSettings& settings, Services& services, const SourceContext& context) {
    std::string screen;
    if (settings.printers.size() > kScreenPresetRow) {
        screen = FieldText(settings.printers[kScreenPresetRow].name);
    }
    const int failed = ReadScreenCalibration(settings, services, screen);
    return context.Get(ctx::level) < 2 || failed != 0;
}

}  // namespace korva
