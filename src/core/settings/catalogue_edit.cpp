#include "core/settings/catalogue_edit.h"

#include "core/settings/fixed_text.h"

namespace korva {

CatalogueEdit BeginCatalogueEdit(const Catalogue& catalogue, int32_t builtinCount) {
    CatalogueEdit edit;
    edit.rows.count = catalogue.count;
    edit.rows.current = catalogue.current;
    edit.capacity = catalogue.count + kCustomisationRoom;
    edit.rows.rows.assign(static_cast<size_t>(edit.capacity), CatalogueRow{});
    for (int32_t i = 0; i < catalogue.count && static_cast<size_t>(i) < catalogue.rows.size(); ++i) {
        edit.rows.rows[static_cast<size_t>(i)] = catalogue.rows[static_cast<size_t>(i)];
    }
    edit.builtinCount = builtinCount;
    return edit;
}

int32_t FindCatalogueRow(const Catalogue& catalogue, std::string_view name) {
    for (int32_t i = 0; i < catalogue.count; ++i) {
        if (FieldText(catalogue.rows[static_cast<size_t>(i)].name) == name) {
            return i;
        }
    }
    return -1;
}

bool IsProtectedRow(const CatalogueEdit& edit, int32_t index) {
    return index < edit.builtinCount;
}

SaveRowResult SaveCatalogueRow(CatalogueEdit& edit, const CatalogueRow& row) {
    const std::string name = FieldText(row.name);
    if (name.empty()) {
        return SaveRowResult::kNoName;
    }
    const int32_t existing = FindCatalogueRow(edit.rows, name);
    if (existing >= 0) {
        if (IsProtectedRow(edit, existing)) {
            return SaveRowResult::kProtected;
        }
        edit.rows.rows[static_cast<size_t>(existing)] = row;
        edit.rows.current = existing;
        return SaveRowResult::kReplaced;
    }
    if (edit.rows.count >= edit.capacity) {
        return SaveRowResult::kFull;
    }
    edit.rows.rows[static_cast<size_t>(edit.rows.count)] = row;
    edit.rows.current = edit.rows.count++;
    return SaveRowResult::kAdded;
}

bool RenameCatalogueRow(CatalogueEdit& edit, int32_t index, std::string_view name) {
    const std::string cut = Bounded(name, CatalogueRow{}.name.size());
    if (index < 0 || index >= edit.rows.count || IsProtectedRow(edit, index) || cut.empty() ||
        FindCatalogueRow(edit.rows, cut) >= 0) {
        return false;
    }
    SetFieldText(edit.rows.rows[static_cast<size_t>(index)].name, cut);
    return true;
}

bool DeleteCatalogueRow(CatalogueEdit& edit, int32_t index) {
    if (index < 0 || index >= edit.rows.count || IsProtectedRow(edit, index)) {
        return false;
    }
    auto& rows = edit.rows.rows;
    rows.erase(rows.begin() + index);
    rows.push_back(CatalogueRow{});
    --edit.rows.count;
    if (edit.rows.current >= index) {
        edit.rows.current = edit.rows.current > 0 ? edit.rows.current - 1 : 0;
    }
    return true;
}

}  // namespace korva
