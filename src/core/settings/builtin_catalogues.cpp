#include "core/settings/builtin_catalogues.h"

#include <algorithm>
#include <array>

#include "core/settings/catalogue.h"
#include "core/settings/fixed_text.h"
#include "core/tone/tone_map.h"

namespace korva {
namespace {

struct ImageTypeEntry {
    int nameString;
    std::array<int32_t, 5> values;  // pixel type, halftone, dropout, quality, text option
};

constexpr ImageTypeEntry kImageTypes[] = {
    {170, {0, 0, 0, 1, 2}}, {171, {1, 0, 0, 1, 2}}, {172, {3, 0, 0, 1, 2}}, {173, {2, 0, 0, 1, 2}},
    {174, {4, 0, 0, 1, 2}}, {175, {5, 0, 0, 0, 2}}, {176, {5, 0, 0, 1, 0}}, {177, {5, 1, 0, 0, 1}},
};
constexpr size_t kLineArtRow = 5;

struct DestinationEntry {
    int nameString;
    const char* text;
    std::array<int32_t, 3> values;  // level, resolution below 8 bits, resolution from 8 bits
};

constexpr DestinationEntry kDestinations[] = {
    {400, "Screen", {2, 72, 72}},
    {401, "Screen Vivid", {1, 72, 72}},
    {402, "Prepress 175 lpi", {2, 350, 350}},
    {403, "Prepress 150 lpi", {2, 300, 300}},
    {404, "Prepress 133 lpi", {2, 266, 266}},
    {405, "Prepress 120 lpi", {2, 240, 240}},
    {406, "LineWork Scan", {1, 1200, 600}},
    {407, "InkJet Printer", {1, 720, 360}},
    {408, "Laser Printer 600", {1, 600, 200}},
    {409, "FAX", {1, 200, 200}},
    {410, "OCR", {1, 300, 300}},
};

CatalogueRow ToneMapRow(StringTable& strings, const BuiltInToneMap& map) {
    static_assert(kToneMapValueCount == CatalogueRow::kValueCount);
    CatalogueRow row;
    SetFieldText(row.name, strings.Load(map.nameStringId));
    const auto values = map.toneMap.ToValues();
    std::transform(values.begin(), values.end(), row.values.begin(),
                   [](uint32_t value) { return static_cast<int32_t>(value); });
    return row;
}

}  // namespace

std::vector<CatalogueRow> BuiltinImageTypes(StringTable& strings, char languageLetter) {
    std::vector<CatalogueRow> rows;
    for (const ImageTypeEntry& entry : kImageTypes) {
        CatalogueRow& row = rows.emplace_back();
        SetFieldText(row.name, strings.Load(entry.nameString));
        std::copy(entry.values.begin(), entry.values.end(), row.values.begin());
    }
    if (languageLetter == 'J') {
        rows[kLineArtRow].values[image_type::kQuality] = 1;
    }
    return rows;
}

std::vector<CatalogueRow> BuiltinDestinations(StringTable& strings) {
    std::vector<CatalogueRow> rows;
    for (const DestinationEntry& entry : kDestinations) {
        CatalogueRow& row = rows.emplace_back();
        SetFieldText(row.name, strings.Load(entry.nameString));
        SetFieldText(row.text, entry.text);
        std::copy(entry.values.begin(), entry.values.end(), row.values.begin());
    }
    return rows;
}

std::vector<CatalogueRow> BuiltinToneMaps(StringTable& strings) {
    std::vector<CatalogueRow> rows;
    for (const BuiltInToneMap& map : BuiltInToneMaps()) {
        rows.push_back(ToneMapRow(strings, map));
    }
    return rows;
}

CatalogueRow LinearToneMap(StringTable& strings) {
    return ToneMapRow(strings, BuiltInToneMaps()[0]);
}

}  // namespace korva
