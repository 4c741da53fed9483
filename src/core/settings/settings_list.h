// The list of saved settings that the saved-settings dialog works on while it is open: the ".set"
// files of the settings folder sorted by base name, the entries added and deleted since, and the
// operations that save, load, restore and finally commit or discard them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/preview/marquee.h"
#include "core/settings/scan_settings.h"
#include "platform/services.h"

namespace korva {

struct SettingsEntry {
    static constexpr uint16_t kExisted = 1u << 0;  // the file was there when the list was built
    static constexpr uint16_t kCreated = 1u << 2;  // the file was written while the dialog was open

    std::array<char, 40> name{};
    std::array<char, 10> baseName{};  // file name without ".set"
    uint16_t flags = 0;
};

inline constexpr size_t kMaxAddedEntries = 30;
inline constexpr size_t kMaxDeletedEntries = 30;
inline constexpr size_t kMaxSelectedEntries = 80;

struct SettingsList {
    std::vector<SettingsEntry> entries;
    std::vector<SettingsEntry> deleted;
    size_t capacity = 0;   // entries the list has room for: the files found plus the additions allowed
    int32_t selected = 0;  // the selected entry; the entry count when nothing is selected

    int32_t Count() const { return static_cast<int32_t>(entries.size()); }
    bool NothingSelected() const { return selected == Count(); }
};

// Makes sure the settings folder exists (a message box when it cannot be created), then lists its
// ".set" files in ascending byte order of their base names. A file that cannot be read, or whose base
// name does not fit the 9 characters of an entry, adds no entry; the count stays the number of files,
// the entries it could not fill left blank at the end. Nothing is selected.
SettingsList BuildSettingsList(const ScanSettings& settings, Services& services);

// The index of the entry named exactly `name`, or -1.
int32_t FindSettingsEntry(const SettingsList& list, std::string_view name);

// A name as typed for saving: at most 39 characters, leading blanks dropped, commas made "_".
std::string CleanSettingsName(std::string_view typed);

// Saves the marquees (or, with none, the dialog block) under `name`. Named: an existing name is
// replaced only when asked to confirm and the user answers Yes; a new name gets the first free
// "ENV%04d.set" counting up from the entry count and becomes the selected entry. Not named: the
// environment file. Returns 1 when a file was written, else 0.
int SaveSettingsFile(SettingsList& list,
                     ScanSettings& settings,
                     Services& services,
                     WindowRef owner,
                     std::string_view name,
                     bool askBeforeReplacing,
                     bool named,
                     std::span<const Marquee> marquees);

// Writes the marquees (or the dialog block) to `fileName` in the settings folder; failures are ignored.
void SaveMarqueeFile(const ScanSettings& settings,
                     Services& services,
                     std::string_view fileName,
                     std::span<const Marquee> marquees);

// Loads the selected entry's block (or the marquee backup's, with nothing selected) into the dialog
// block. An index outside the list takes the backup copy of the dialog block instead.
enum class LoadedBlock {
    kUnchanged,  // the file could not be read
    kLoaded,     // the block of the file's first marquee
    kApply,      // a block without marquees, or the backup: apply it to the settings and show it
};
LoadedBlock LoadSettingsBlock(const SettingsList& list, ScanSettings& settings, Services& services);

// The marquee records to restore, in file order: from `fileName` in the settings folder when given,
// else from the entry `index`; with two or more selected entries from each of their files in turn.
std::vector<Marquee> ReadMarqueesForRestore(const SettingsList& list,
                                            const ScanSettings& settings,
                                            Services& services,
                                            std::string_view fileName,
                                            std::span<const int32_t> selectedEntries,
                                            int32_t index);

// Moves the selected entries, from the last to the first, to the deleted entries; afterwards nothing
// is selected. Entries beyond the room for deletions stay.
void DeleteSettingsEntries(SettingsList& list, std::span<const int32_t> selectedEntries);

// Commit deletes the files of the deleted entries; discard deletes every file written while the
// dialog was open, deleted or not. The list is emptied.
void CloseSettingsList(SettingsList& list, const ScanSettings& settings, Services& services, bool commit);

// Hands the selected entries to the data source as a batch: "BatchMode" / "total" and one key
// "Batch%2d" per entry holding its base name.
void WriteBatchKeys(const SettingsList& list,
                    const ScanSettings& settings,
                    Services& services,
                    std::span<const int32_t> selectedEntries);

}  // namespace korva
