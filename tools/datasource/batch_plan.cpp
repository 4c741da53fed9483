#include "tools/datasource/batch_plan.h"

#include <algorithm>
#include <cstdio>

#include "core/boundary/scan_image_type.h"
#include "core/boundary/scan_tables.h"
#include "core/settings/builtin_catalogues.h"
#include "core/settings/catalogue_ini.h"
#include "core/settings/locations.h"
#include "core/settings/pixel_types.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_paths.h"

namespace korva::sim {
namespace {

constexpr size_t kNameCapacity = 80;
constexpr int32_t kMaxBatch = 80;
constexpr int32_t kDefaultThreshold = 128;

// The data source shows no names: the catalogue rows are only read for their values.
class NoStrings final : public StringTable {
  public:
    std::string Load(int, size_t) override { return {}; }
};

DropoutColour DropoutOf(const CatalogueRow& row) {
    const int32_t dropout = row.values[image_type::kDropout];
    return dropout >= 0 && dropout <= 3 ? static_cast<DropoutColour>(dropout) : DropoutColour::kNone;
}

ScanImageType ImageTypeAt(const Catalogue& imageTypes, int32_t index) {
    NoStrings strings;
    ScanSettings settings;
    settings.imageTypes = imageTypes;
    settings.imageTypes.current = index;
    settings.pixelTypes = LoadPixelTypes(strings);
    return DescribeScanImageType(settings);
}

bool JobFromBlock(const SettingsBlock& block,
                  const Rect* document,
                  const Catalogue& imageTypes,
                  int32_t optionUnit,
                  ScanJob& job) {
    const ScanImageType type = ImageTypeAt(imageTypes, block.imageType);
    job.pixelType = type.pixelType;
    job.bitsPerSample = type.bitsPerSample;
    job.userThreshold = std::clamp(block.threshold, 0, 255);
    job.halftoneMode = type.halftoneActive ? type.halftoneIndex : kHalftoneNone;
    job.threshold = type.halftoneActive ? kHalftoneThreshold : GammaCorrectedThreshold(block.threshold);
    if (const CatalogueRow* row = imageTypes.Row(block.imageType)) {
        job.dropout = DropoutOf(*row);
    }
    int32_t width = block.selectionWidth;
    int32_t height = block.selectionHeight;
    job.left = block.selectionLeft;
    job.top = block.selectionTop;
    if (document) {
        // A marquee's document rectangle, thousandths of an inch, rounded to hundredths.
        job.left = (document->left + 5) / 10;
        job.top = (document->top + 5) / 10;
        width = (document->right - document->left + 5) / 10;
        height = (document->bottom - document->top + 5) / 10;
    }
    const int32_t scale = block.scalePercent == 0 ? 100 : block.scalePercent;
    const auto effective = static_cast<int32_t>(block.scanResolution * scale / 100.0);
    job.dpi = effective;
    job.width = static_cast<int32_t>(width * effective / 100.0);
    job.height = static_cast<int32_t>(height * effective / 100.0);
    if (block.docSource == 0 || optionUnit == 2) {
        job.source = ScanSource::kFlatbed;
    } else {
        job.source = optionUnit == 0 ? ScanSource::kFeeder : ScanSource::kPositiveFilm;
    }
    return job.width > 0 && job.height > 0 && static_cast<int64_t>(job.width) * job.height <= kMaxScanPixels;
}

}  // namespace

std::vector<std::string> ReadBatchNames(Profile& profile, const std::string& iniPath) {
    const int32_t total = std::min(profile.ReadInt(iniPath, kBatchSection, "total", 0), kMaxBatch);
    std::vector<std::string> names;
    for (int32_t i = 0; i < total; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "Batch%2d", static_cast<int>(i));
        std::string name = profile.ReadString(iniPath, kBatchSection, key, "", kNameCapacity);
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

std::string SavedSettingFile(Profile& profile,
                             const std::string& iniPath,
                             SystemFacts& system,
                             const std::string& baseName) {
    ScanSettings settings;
    settings.locations.settingsDir =
        profile.ReadString(iniPath, "QXTWAINds", "SettingDir", kDefaultSettingsDir, kDirectoryCapacity);
    return SavedSettingPath(settings, system, baseName);
}

void EndBatch(Profile& profile, const std::string& iniPath) {
    profile.WriteString(iniPath, kBatchSection, "total", "0");
}

Catalogue ReadImageTypes(Profile& profile, const std::string& iniPath) {
    Catalogue types;
    const int32_t count = profile.ReadInt(iniPath, kImageTypeList.section, kImageTypeList.countKey, 0);
    if (count > 0) {
        types.count = std::min(count, kMaxCatalogueRows);
        types.rows.resize(static_cast<size_t>(types.count));
        ReadCatalogue(profile, iniPath, kImageTypeList, types.rows, types.count);
    } else {
        NoStrings strings;
        types.rows = BuiltinImageTypes(strings, 'E');
        types.count = static_cast<int32_t>(types.rows.size());
    }
    types.current = profile.ReadInt(iniPath, "Settings", "SCAN MODE", 0);
    return types;
}

void AddLineArtChoices(Profile& profile, const std::string& iniPath, const Catalogue& imageTypes, ScanJob& job) {
    if (const CatalogueRow* row = imageTypes.CurrentRow()) {
        job.dropout = DropoutOf(*row);
    }
    job.userThreshold = std::clamp(profile.ReadInt(iniPath, "ImageSetting", "IprocValue4", kDefaultThreshold), 0, 255);
}

std::vector<BatchScan> ScansOfSettingsFile(FileSystem& files,
                                           const std::string& path,
                                           const Catalogue& imageTypes,
                                           int32_t optionUnit) {
    std::vector<BatchScan> scans;
    std::vector<Marquee> marquees;
    const std::optional<StoredBlock> stored = ReadStoredBlock(files, path);
    if (!stored || !ReadMarqueeRecords(files, path, marquees)) {
        return scans;
    }
    const std::string file = path.substr(path.find_last_of('\\') + 1);
    if (marquees.empty()) {
        if (BatchScan scan{{}, file}; JobFromBlock(stored->block, nullptr, imageTypes, optionUnit, scan.job)) {
            scans.push_back(std::move(scan));
        }
    }
    for (size_t i = 0; i < marquees.size(); ++i) {
        BatchScan scan{{}, file + " marquee " + std::to_string(i + 1)};
        if (JobFromBlock(marquees[i].settings, &marquees[i].document, imageTypes, optionUnit, scan.job)) {
            scans.push_back(std::move(scan));
        }
    }
    return scans;
}

}  // namespace korva::sim
