// The scans the data source makes from saved settings: the "BatchMode" section of the driver INI file
// names the settings files ("total", then "Batch 0", "Batch 1", ... "Batch10" holding base names), and
// each file's marquees, or its block when it has none, become one scan each. The image type of a
// settings block is looked up in the driver INI file's image-type list.
#pragma once

#include <string>
#include <vector>

#include "core/settings/catalogue.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "platform/system_facts.h"
#include "tools/datasource/scan_job.h"

namespace korva::sim {

inline constexpr char kBatchSection[] = "BatchMode";

// The base names of the batch, in order; empty when "total" is missing or not positive.
std::vector<std::string> ReadBatchNames(Profile& profile, const std::string& iniPath);

// The ".set" file of a base name in the settings folder the driver INI file names.
std::string SavedSettingFile(Profile& profile,
                             const std::string& iniPath,
                             SystemFacts& system,
                             const std::string& baseName);

// Sets "total" to 0: the batch has been scanned.
void EndBatch(Profile& profile, const std::string& iniPath);

// The image types of the driver INI file (its "IMAGE TYPES" list, or the built-in list without one), with
// the current one ("SCAN MODE" of "Settings").
Catalogue ReadImageTypes(Profile& profile, const std::string& iniPath);

// The line-art choices of the current image type that the module does not send: its drop-out colour and
// the user's threshold ("IprocValue4" of "ImageSetting"), which the halftones dither around.
void AddLineArtChoices(Profile& profile, const std::string& iniPath, const Catalogue& imageTypes, ScanJob& job);

struct BatchScan {
    ScanJob job;
    std::string origin;  // the settings file and the marquee's number in it
};

// One scan per marquee of the file, or one of its block without marquees; none when the file cannot be
// read or a scan would be empty or too large.
std::vector<BatchScan> ScansOfSettingsFile(FileSystem& files,
                                           const std::string& path,
                                           const Catalogue& imageTypes,
                                           int32_t optionUnit);

}  // namespace korva::sim
