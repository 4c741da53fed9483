// The customisation of the image-type and destination catalogues: a working copy with room for 30
// more rows, in which the user adds, renames and deletes rows of their own; the built-in rows at the
// head of the list stay as they are. OK copies the working copy back, Cancel drops it.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/settings/catalogue.h"

namespace korva {

inline constexpr int32_t kCustomisationRoom = 30;
inline constexpr int32_t kBuiltinImageTypes = 8;
inline constexpr int32_t kBuiltinDestinations = 11;

struct CatalogueEdit {
    Catalogue rows;            // the working copy; rows holds count + 30 entries
    int32_t builtinCount = 0;  // rows below this index are protected
    int32_t capacity = 0;
};

CatalogueEdit BeginCatalogueEdit(const Catalogue& catalogue, int32_t builtinCount);

// The index of the first counted row named exactly `name`, or -1.
int32_t FindCatalogueRow(const Catalogue& catalogue, std::string_view name);

bool IsProtectedRow(const CatalogueEdit& edit, int32_t index);

enum class SaveRowResult {
    kAdded,      // a new row at the end, now current
    kReplaced,   // the user row of that name took the values, now current
    kProtected,  // a built-in row has that name: nothing changed
    kFull,       // no room for another row
    kNoName,     // an empty name
};

// Saves `row` under its name: a user row of that name is replaced (the caller has asked the user), a
// new name is added.
SaveRowResult SaveCatalogueRow(CatalogueEdit& edit, const CatalogueRow& row);

// Gives user row `index` a new name; false for a built-in row, an empty name or a name in use.
bool RenameCatalogueRow(CatalogueEdit& edit, int32_t index, std::string_view name);

// Deletes user row `index`, moving the rows behind it up; the current row stays the same row, and when
// it was the deleted one the row before it becomes current. False for a built-in or missing row.
bool DeleteCatalogueRow(CatalogueEdit& edit, int32_t index);

}  // namespace korva
