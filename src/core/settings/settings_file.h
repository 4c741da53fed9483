// Saved-settings files (".set"), the environment file and the marquee backup: a 48-byte header with
// the magic text and a name, the number N of marquee records, then N records of 518 bytes or, with
// no marquee, one settings block of 382 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/preview/marquee.h"
#include "core/settings/settings_block.h"
#include "platform/file_system.h"

namespace korva {

inline constexpr char kSettingsMagic[] = "KORVA Settings";
inline constexpr size_t kSettingsNameOffset = 16;
inline constexpr size_t kSettingsNameBytes = 32;
inline constexpr size_t kSettingsCountOffset = 48;
inline constexpr size_t kSettingsBodyOffset = 52;

// Creates or replaces the file. A name of 32 or more characters keeps its first 32 bytes. The file is
// written under a temporary name and put in place only when complete; false when that failed, and then
// the previous file is as it was.
bool WriteSettingsFile(FileSystem& files,
                       const std::string& path,
                       std::string_view name,
                       std::span<const Marquee> marquees,
                       const SettingsBlock& block);

// Appends the file's marquee records to `records`: at most N, ending early at a short read. False
// when the file cannot be opened or holds no count.
bool ReadMarqueeRecords(FileSystem& files, const std::string& path, std::vector<Marquee>& records);

// The block a file shows: the first marquee's settings, or the block of a file without marquees.
struct StoredBlock {
    SettingsBlock block;
    bool hasMarquees = false;
};
std::optional<StoredBlock> ReadStoredBlock(FileSystem& files, const std::string& path);

// The name at offset 16 (up to 32 bytes, as many as the file holds), or nothing when the file cannot
// be opened or positioned there.
std::optional<std::string> ReadSettingsName(FileSystem& files, const std::string& path);

// Before the environment is saved from a zoomed preview, a current marquee whose zoom record starts
// with 0 takes the zoom view now shown and its own view rectangle as its zoom rectangle.
void KeepShownZoom(Marquee& current, const ZoomRecord& shown);

}  // namespace korva
