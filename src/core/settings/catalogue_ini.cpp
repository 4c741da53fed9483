#include "core/settings/catalogue_ini.h"

#include <algorithm>

#include "core/settings/fixed_text.h"

namespace korva {
namespace {

constexpr size_t kLineCapacity = 256;

std::string RowKey(const CatalogueFormat& format, size_t index, const char* suffix = "") {
    return std::string(format.keyPrefix) + std::to_string(index) + suffix;
}

// Splits a line at its commas, one field at a time.
class CommaFields {
  public:
    explicit CommaFields(std::string_view line) : rest_(line) {}

    std::string_view Next() {
        const size_t comma = rest_.find(',');
        const std::string_view field = rest_.substr(0, comma);
        rest_ = comma == std::string_view::npos ? std::string_view() : rest_.substr(comma + 1);
        return field;
    }
    std::string_view Rest() const { return rest_; }

  private:
    std::string_view rest_;
};

}  // namespace

int32_t ParseListNumber(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) {
        return 0;
    }
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        ++i;
    }
    uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
}

void ParseCatalogueLine(std::string_view line, const CatalogueFormat& format, CatalogueRow& row) {
    CommaFields fields(line);
    if (!format.nameValueKeys) {
        SetFieldText(row.name, fields.Next());
    }
    for (int i = 0; i < format.valueCount; ++i) {
        row.values[static_cast<size_t>(i)] = ParseListNumber(fields.Next());
    }
    if (format.hasText) {
        SetFieldText(row.text, fields.Rest());
    }
}

std::string FormatCatalogueLine(const CatalogueRow& row, const CatalogueFormat& format) {
    std::string line = format.nameValueKeys ? std::string() : FieldText(row.name);
    for (int i = 0; i < format.valueCount; ++i) {
        if (i > 0 || !format.nameValueKeys) {
            line += ',';
        }
        line += std::to_string(static_cast<uint32_t>(row.values[static_cast<size_t>(i)]));
    }
    if (format.hasText) {
        line += ',' + FieldText(row.text);
    }
    return line;
}

void ReadCatalogue(Profile& profile,
                   const std::string& iniPath,
                   const CatalogueFormat& format,
                   std::span<CatalogueRow> rows,
                   int32_t& count) {
    const size_t total = std::min(rows.size(), static_cast<size_t>(std::max(count, 0)));
    for (size_t i = 0; i < total; ++i) {
        CatalogueRow& row = rows[i];
        if (format.nameValueKeys) {
            const std::string name =
                profile.ReadString(iniPath, format.section, RowKey(format, i, " NAME"), "", kLineCapacity);
            if (name.empty()) {
                --count;
                continue;
            }
            const std::string values =
                profile.ReadString(iniPath, format.section, RowKey(format, i, " VALUE"), "", kLineCapacity);
            if (values.empty()) {
                --count;
                continue;
            }
            SetFieldText(row.name, name);
            ParseCatalogueLine(values, format, row);
            continue;
        }
        const std::string line = profile.ReadString(iniPath, format.section, RowKey(format, i), "", kLineCapacity);
        if (line.empty()) {
            --count;
            continue;
        }
        ParseCatalogueLine(line, format, row);
    }
}

void WriteCatalogue(Profile& profile,
                    const std::string& iniPath,
                    const CatalogueFormat& format,
                    std::span<const CatalogueRow> rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (format.nameValueKeys) {
            profile.WriteString(iniPath, format.section, RowKey(format, i, " NAME"), FieldText(rows[i].name));
            profile.WriteString(iniPath, format.section, RowKey(format, i, " VALUE"),
                                FormatCatalogueLine(rows[i], format));
            continue;
        }
        profile.WriteString(iniPath, format.section, RowKey(format, i), FormatCatalogueLine(rows[i], format));
    }
}

}  // namespace korva
