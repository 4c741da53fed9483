// Printer and screen calibration files (".cal") in the calibration folder: the printer list built
// from the device's presets and the further files, and the screen calibration's mid value, from which
// the display gamma follows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/boundary/source_context.h"
#include "core/settings/scan_settings.h"
#include "platform/services.h"

namespace korva {

inline constexpr size_t kCalibrationNameOffset = 16;
inline constexpr size_t kCalibrationTablesOffset = 49;
inline constexpr size_t kCalibrationTableBytes = 256;
inline constexpr size_t kCalibrationMidPosition = 128;

// Windows directory + calibration directory + "\" + code + ".cal".
std::string CalibrationFilePath(const ScanSettings& settings, SystemFacts& system, std::string_view code);

// The presets the device offers (at most six, with codes unless the device's level is below 2), then
// one row per further ".cal" file that can be read, named by the 32 bytes at offset 16.
void BuildPrinterList(ScanSettings& settings, Services& services, const SourceContext& context);

// The index of the first row named exactly `name`, or 0.
int32_t FindPrinter(const PrinterList& printers, std::string_view name);

// Reads the calibration of the printer row named `name`: 0 when its three tables were read (the mid
// value is then byte 128 of the third), 1 otherwise. Each table read updates the mid value.
int ReadScreenCalibration(ScanSettings& settings, Services& services, std::string_view name);

// The display gamma a screen calibration's mid value stands for (1.0 … 3.0 in tenths), 0 when the
// value is not one of the known ones.
double DisplayGammaFromMidValue(uint8_t midValue);

// Reads the screen calibration of the "Screen" preset. True when the tone curves must be rebuilt from
// a linear tone map shown on the master channel: the read failed or the device's level is below 2.
bool CheckScreenCalibration(ScanSettings& settings, Services& services, const SourceContext& context);

}  // namespace korva
