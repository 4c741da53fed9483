#include "core/settings/settings_file.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/settings/record_layout.h"

namespace korva {
namespace {

std::optional<uint32_t> ReadCount(File& file) {
    std::array<uint8_t, 4> bytes{};
    if (!file.Seek(kSettingsCountOffset) || file.Read(bytes.data(), bytes.size()) != bytes.size()) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

}  // namespace

bool WriteSettingsFile(FileSystem& files,
                       const std::string& path,
                       std::string_view name,
                       std::span<const Marquee> marquees,
                       const SettingsBlock& block) {
    const size_t bodyBytes = marquees.empty() ? kSettingsBlockBytes : marquees.size() * kMarqueeRecordBytes;
    std::vector<uint8_t> bytes(kSettingsBodyOffset + bodyBytes, 0);
    std::memcpy(bytes.data(), kSettingsMagic, sizeof kSettingsMagic - 1);
    name = name.substr(0, kSettingsNameBytes);
    std::memcpy(bytes.data() + kSettingsNameOffset, name.data(), name.size());
    const auto count = static_cast<uint32_t>(marquees.size());
    for (size_t i = 0; i < 4; ++i) {
        bytes[kSettingsCountOffset + i] = static_cast<uint8_t>(count >> (8 * i));
    }
    uint8_t* body = bytes.data() + kSettingsBodyOffset;
    if (marquees.empty()) {
        EncodeSettingsBlock(block, std::span<uint8_t, kSettingsBlockBytes>(body, kSettingsBlockBytes));
    }
    for (const Marquee& marquee : marquees) {
        EncodeMarquee(marquee, std::span<uint8_t, kMarqueeRecordBytes>(body, kMarqueeRecordBytes));
        body += kMarqueeRecordBytes;
    }
    return WriteThroughTemporary(files, path, [&bytes](File& file) {
               return file.Write(bytes.data(), bytes.size()) == bytes.size();
           }) == WriteOutcome::kWritten;
}

bool ReadMarqueeRecords(FileSystem& files, const std::string& path, std::vector<Marquee>& records) {
    auto file = files.Open(path, FileMode::kRead);
    if (!file) {
        return false;
    }
    const auto count = ReadCount(*file);
    if (!count) {
        return false;
    }
    std::array<uint8_t, kMarqueeRecordBytes> bytes{};
    for (uint32_t i = 0; i < *count; ++i) {
        if (file->Read(bytes.data(), bytes.size()) != bytes.size()) {
            break;
        }
        records.push_back(DecodeMarquee(bytes));
    }
    return true;
}

std::optional<StoredBlock> ReadStoredBlock(FileSystem& files, const std::string& path) {
    auto file = files.Open(path, FileMode::kRead);
    if (!file) {
        return std::nullopt;
    }
    const auto count = ReadCount(*file);
    if (!count) {
        return std::nullopt;
    }
    StoredBlock stored;
    stored.hasMarquees = *count > 0;
    std::array<uint8_t, kMarqueeRecordBytes> bytes{};
    const size_t size = stored.hasMarquees ? kMarqueeRecordBytes : kSettingsBlockBytes;
    if (file->Read(bytes.data(), size) != size) {
        return std::nullopt;
    }
    const size_t offset = stored.hasMarquees ? kMarqueeSettingsOffset : 0;
    stored.block =
        DecodeSettingsBlock(std::span<const uint8_t, kSettingsBlockBytes>(bytes.data() + offset, kSettingsBlockBytes));
    return stored;
}

std::optional<std::string> ReadSettingsName(FileSystem& files, const std::string& path) {
    auto file = files.Open(path, FileMode::kRead);
    if (!file || !file->Seek(kSettingsNameOffset)) {
        return std::nullopt;
    }
    std::array<char, kSettingsNameBytes> name{};
    const size_t got = file->Read(name.data(), name.size());
    return std::string(name.data(), std::find(name.data(), name.data() + got, '\0'));
}

void KeepShownZoom(Marquee& current, const ZoomRecord& shown) {
    if (current.zoom.areaLeft != 0) {
        return;
    }
    current.zoom = shown;
    current.zoomRect = current.view;
}

}  // namespace korva
