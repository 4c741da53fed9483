#include "core/settings/catalogue_build.h"

#include <algorithm>
#include <span>

#include "core/settings/builtin_catalogues.h"
#include "core/settings/calibration.h"
#include "core/settings/catalogue_ini.h"
#include "core/settings/fixed_text.h"

namespace korva {
namespace {

constexpr int kApplicationDefinedString = 11;
constexpr int32_t kToneMapSpareRows = 30;

// Room for the catalogue's rows: the count (at most kMaxCatalogueRows) plus `spare`. False for a
// negative count.
bool MakeRoom(Catalogue& catalogue, int32_t spare) {
    if (catalogue.count < 0) {
        catalogue.rows.clear();
        catalogue.count = 0;
        return false;
    }
    catalogue.count = std::min(catalogue.count, kMaxCatalogueRows);
    catalogue.rows.assign(static_cast<size_t>(catalogue.count + spare), CatalogueRow{});
    return true;
}

void UseBuiltins(Catalogue& catalogue, std::vector<CatalogueRow> rows, int32_t spare) {
    catalogue.count = static_cast<int32_t>(rows.size());
    rows.resize(rows.size() + static_cast<size_t>(spare));
    catalogue.rows = std::move(rows);
}

bool BuildCatalogue(Catalogue& catalogue,
                    const CatalogueFormat& format,
                    int32_t spare,
                    std::vector<CatalogueRow> builtins,
                    Services& services,
                    const std::string& iniPath) {
    if (catalogue.count == 0) {
        UseBuiltins(catalogue, std::move(builtins), spare);
        return true;
    }
    if (!MakeRoom(catalogue, spare)) {
        return false;
    }
    ReadCatalogue(services.profile, iniPath, format, catalogue.rows, catalogue.count);
    return true;
}

void SaveCatalogue(Catalogue& catalogue,
                   const CatalogueFormat& format,
                   bool dropApplicationDefined,
                   Services& services,
                   const std::string& iniPath) {
    WriteInt(services.profile, iniPath, format.section, format.countKey, catalogue.count);
    if (dropApplicationDefined) {
        RemoveNamedRow(catalogue, services.strings.Load(kApplicationDefinedString));
    }
    const size_t rows = std::min(catalogue.rows.size(), static_cast<size_t>(std::max(catalogue.count, 0)));
    WriteCatalogue(services.profile, iniPath, format, std::span<const CatalogueRow>(catalogue.rows.data(), rows));
}

}  // namespace

bool BuildImageTypes(ScanSettings& settings, Services& services) {
    const bool builtin = settings.imageTypes.count == 0;
    const bool built = BuildCatalogue(settings.imageTypes, kImageTypeList, 1,
                                      BuiltinImageTypes(services.strings, settings.languageLetter), services,
                                      settings.locations.iniPath);
    if (builtin) {
        settings.imageTypes.current = 1;
    }
    return built;
}

bool BuildDestinations(ScanSettings& settings, Services& services) {
    const bool builtin = settings.destinations.count == 0;
    const bool built = BuildCatalogue(settings.destinations, kDestinationList, 1, BuiltinDestinations(services.strings),
                                      services, settings.locations.iniPath);
    if (builtin) {
        settings.destinations.current = 1;
    }
    return built;
}

bool BuildToneMaps(ScanSettings& settings, Services& services) {
    Catalogue& maps = settings.toneMaps;
    const bool built = BuildCatalogue(maps, kToneMapList, kToneMapSpareRows, BuiltinToneMaps(services.strings),
                                      services, settings.locations.iniPath);
    maps.current = services.profile.ReadInt(settings.locations.iniPath, "Settings", "GAMMA MAP", 0);
    if (maps.current == maps.count) {
        maps.current = 0;
    }
    CatalogueRow current;
    if (maps.current >= 0 && static_cast<size_t>(maps.current) < maps.rows.size()) {
        current = maps.rows[static_cast<size_t>(maps.current)];
    }
    settings.toneChannelShown = current.values[tone_map::kSelectedChannelCell];
    settings.toneMapInForce = current;
    settings.toneMapWorking = current;
    return built;
}

void BuildCatalogues(ScanSettings& settings, Services& services, const SourceContext& context) {
    BuildPrinterList(settings, services, context);
    BuildImageTypes(settings, services);
    BuildDestinations(settings, services);
    BuildToneMaps(settings, services);
    settings.aboveOpticalResolution = false;
    settings.resolutions = BuildResolutionList(context);
    if (settings.imageTypes.current > settings.imageTypes.count - 1) {
        settings.imageTypes.current = 0;
    }
    if (settings.destinations.current > settings.destinations.count - 1) {
        settings.destinations.current = 0;
    }
}

bool RemoveNamedRow(Catalogue& catalogue, std::string_view name) {
    const size_t rows = std::min(catalogue.rows.size(), static_cast<size_t>(std::max(catalogue.count, 0)));
    for (size_t i = 0; i < rows; ++i) {
        if (FieldText(catalogue.rows[i].name) != name) {
            continue;
        }
        catalogue.rows.erase(catalogue.rows.begin() + static_cast<std::ptrdiff_t>(i));
        catalogue.rows.emplace_back();
        if (catalogue.current == static_cast<int32_t>(i)) {
            catalogue.current = static_cast<int32_t>(i) - 1;
        }
        --catalogue.count;
        return true;
    }
    return false;
}

void SaveCatalogues(ScanSettings& settings, Services& services) {
    const std::string& ini = settings.locations.iniPath;
    SaveCatalogue(settings.imageTypes, kImageTypeList, true, services, ini);
    SaveCatalogue(settings.destinations, kDestinationList, true, services, ini);
    SaveCatalogue(settings.toneMaps, kToneMapList, false, services, ini);
}

}  // namespace korva
