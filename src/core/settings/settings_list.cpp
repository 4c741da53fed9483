#include "core/settings/settings_list.h"

#include <algorithm>
#include <cstdio>

#include "core/settings/fixed_text.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_paths.h"

namespace korva {
namespace {

constexpr int kCaptionString = 5;
constexpr int kReplaceString = 270;
constexpr size_t kExtensionLength = 4;  // ".set"
constexpr size_t kTypedNameCapacity = 40;

bool IsEntryIndex(const SettingsList& list, int32_t index) {
    return index >= 0 && index < list.Count();
}

std::string EntryPath(const SettingsEntry& entry, const ScanSettings& settings, SystemFacts& system) {
    return SavedSettingPath(settings, system, FieldText(entry.baseName));
}

void EnsureFolder(const std::string& folder, Services& services) {
    const std::string previous = services.files.CurrentDirectory();
    if (!services.files.ChangeDirectory(folder) && !services.files.MakeDirectory(folder)) {
        services.messages.Show(0, "Error creating directory", "KORVA TWAIN", mb::kOk);
    }
    services.files.ChangeDirectory(previous);
}

std::string NumberedBaseName(int32_t number) {
    char text[16];
    std::snprintf(text, sizeof text, "%s%04d", "ENV", number);
    return text;
}

}  // namespace

SettingsList BuildSettingsList(const ScanSettings& settings, Services& services) {
    const std::string folder = SettingsFolder(settings, services.system);
    EnsureFolder(folder, services);

    std::vector<std::string> baseNames;
    for (const std::string& file : services.files.List(folder, "*.set")) {
        baseNames.push_back(file.substr(0, file.size() - std::min(file.size(), kExtensionLength)));
    }
    std::sort(baseNames.begin(), baseNames.end());

    SettingsList list;
    list.entries.resize(baseNames.size());
    list.capacity = baseNames.size() + kMaxAddedEntries;
    size_t next = 0;
    for (const std::string& baseName : baseNames) {
        SettingsEntry& entry = list.entries[next];
        if (baseName.size() >= entry.baseName.size()) {
            continue;
        }
        const auto name = ReadSettingsName(services.files, SavedSettingPath(settings, services.system, baseName));
        if (!name) {
            continue;
        }
        SetFieldText(entry.name, *name);
        SetFieldText(entry.baseName, baseName);
        entry.flags = SettingsEntry::kExisted;
        ++next;
    }
    list.selected = list.Count();
    return list;
}

int32_t FindSettingsEntry(const SettingsList& list, std::string_view name) {
    for (size_t i = 0; i < list.entries.size(); ++i) {
        if (FieldText(list.entries[i].name) == name) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

std::string CleanSettingsName(std::string_view typed) {
    std::string name = Bounded(typed, kTypedNameCapacity);
    name.erase(0, std::min(name.find_first_not_of(' '), name.size()));
    std::replace(name.begin(), name.end(), ',', '_');
    return name;
}

int SaveSettingsFile(SettingsList& list,
                     ScanSettings& settings,
                     Services& services,
                     WindowRef owner,
                     std::string_view name,
                     bool askBeforeReplacing,
                     bool named,
                     std::span<const Marquee> marquees) {
    std::string path = EnvironmentPath(settings, services.system);
    if (named) {
        const int32_t existing = FindSettingsEntry(list, name);
        if (existing >= 0) {
            if (!askBeforeReplacing) {
                return 0;
            }
            const int answer =
                services.messages.Show(owner, services.strings.Load(kReplaceString),
                                       services.strings.Load(kCaptionString), mb::kYesNoCancel | mb::kIconQuestion);
            if (answer != mb::kAnswerYes) {
                return 0;
            }
            path = EntryPath(list.entries[static_cast<size_t>(existing)], settings, services.system);
            list.selected = existing;
        } else {
            if (list.entries.size() >= list.capacity) {
                return 0;
            }
            int32_t number = list.Count();
            while (services.files.Exists(SavedSettingPath(settings, services.system, NumberedBaseName(number)))) {
                ++number;
            }
            SettingsEntry& entry = list.entries.emplace_back();
            SetFieldText(entry.name, name);
            SetFieldText(entry.baseName, NumberedBaseName(number));
            entry.flags = SettingsEntry::kCreated;
            list.selected = list.Count() - 1;
            path = EntryPath(entry, settings, services.system);
        }
    }
    return WriteSettingsFile(services.files, path, name, marquees, settings.dialogBlock) ? 1 : 0;
}

void SaveMarqueeFile(const ScanSettings& settings,
                     Services& services,
                     std::string_view fileName,
                     std::span<const Marquee> marquees) {
    WriteSettingsFile(services.files, SettingsFolderFile(settings, services.system, fileName), fileName, marquees,
                      settings.dialogBlock);
}

LoadedBlock LoadSettingsBlock(const SettingsList& list, ScanSettings& settings, Services& services) {
    std::string path;
    if (list.NothingSelected()) {
        path = SettingsFolderFile(settings, services.system, kMarqueeBackupFileName);
    } else if (!IsEntryIndex(list, list.selected)) {
        settings.dialogBlock = settings.dialogBlockBackup;
        return LoadedBlock::kApply;
    } else {
        path = EntryPath(list.entries[static_cast<size_t>(list.selected)], settings, services.system);
    }
    const auto stored = ReadStoredBlock(services.files, path);
    if (!stored) {
        return LoadedBlock::kUnchanged;
    }
    settings.dialogBlock = stored->block;
    return stored->hasMarquees ? LoadedBlock::kLoaded : LoadedBlock::kApply;
}

std::vector<Marquee> ReadMarqueesForRestore(const SettingsList& list,
                                            const ScanSettings& settings,
                                            Services& services,
                                            std::string_view fileName,
                                            std::span<const int32_t> selectedEntries,
                                            int32_t index) {
    std::vector<Marquee> records;
    if (selectedEntries.size() < 2) {
        if (!fileName.empty()) {
            ReadMarqueeRecords(services.files, SettingsFolderFile(settings, services.system, fileName), records);
        } else if (IsEntryIndex(list, index)) {
            ReadMarqueeRecords(services.files,
                               EntryPath(list.entries[static_cast<size_t>(index)], settings, services.system), records);
        }
        return records;
    }
    for (int32_t entry : selectedEntries.first(std::min(selectedEntries.size(), kMaxSelectedEntries))) {
        if (IsEntryIndex(list, entry)) {
            ReadMarqueeRecords(services.files,
                               EntryPath(list.entries[static_cast<size_t>(entry)], settings, services.system), records);
        }
    }
    return records;
}

void DeleteSettingsEntries(SettingsList& list, std::span<const int32_t> selectedEntries) {
    std::vector<int32_t> lines(selectedEntries.begin(), selectedEntries.end());
    std::sort(lines.begin(), lines.end(), std::greater<>());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    for (int32_t line : lines) {
        if (!IsEntryIndex(list, line) || list.deleted.size() >= kMaxDeletedEntries) {
            continue;
        }
        list.deleted.push_back(list.entries[static_cast<size_t>(line)]);
        list.entries.erase(list.entries.begin() + line);
    }
    list.selected = list.Count();
}

void CloseSettingsList(SettingsList& list, const ScanSettings& settings, Services& services, bool commit) {
    auto remove = [&](const SettingsEntry& entry) {
        services.files.Delete(EntryPath(entry, settings, services.system));
    };
    for (const SettingsEntry& entry : list.deleted) {
        if (commit || (entry.flags & SettingsEntry::kCreated) != 0) {
            remove(entry);
        }
    }
    if (!commit) {
        for (const SettingsEntry& entry : list.entries) {
            if ((entry.flags & SettingsEntry::kCreated) != 0) {
                remove(entry);
            }
        }
    }
    list = SettingsList{};
}

void WriteBatchKeys(const SettingsList& list,
                    const ScanSettings& settings,
                    Services& services,
                    std::span<const int32_t> selectedEntries) {
    const std::string& ini = settings.locations.iniPath;
    const auto total = std::min(selectedEntries.size(), kMaxSelectedEntries);
    WriteInt(services.profile, ini, "BatchMode", "total", static_cast<int32_t>(total));
    for (size_t i = 0; i < total; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "Batch%2d", static_cast<int>(i));
        const int32_t entry = selectedEntries[i];
        const std::string baseName =
            IsEntryIndex(list, entry) ? FieldText(list.entries[static_cast<size_t>(entry)].baseName) : std::string();
        services.profile.WriteString(ini, "BatchMode", key, baseName);
    }
}

}  // namespace korva
