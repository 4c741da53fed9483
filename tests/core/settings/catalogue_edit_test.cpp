// Customising a catalogue on its working copy: built-in rows protected, room for 30 more rows, and the
// current row kept through deletions.
#include "core/settings/catalogue_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/settings/fixed_text.h"

namespace korva {
namespace {

CatalogueRow Named(const std::string& name, int32_t value = 0) {
    CatalogueRow row;
    SetFieldText(row.name, name);
    row.values[0] = value;
    return row;
}

Catalogue TwoBuiltinsAndOneOwn() {
    Catalogue catalogue;
    catalogue.rows = {Named("Screen"), Named("Fax"), Named("Mine"), CatalogueRow{}};
    catalogue.count = 3;
    catalogue.current = 2;
    return catalogue;
}

TEST(CatalogueEditTest, SavingAddsNewNamesReplacesOwnRowsAndLeavesBuiltinsAlone) {
    CatalogueEdit edit = BeginCatalogueEdit(TwoBuiltinsAndOneOwn(), 2);
    EXPECT_EQ(edit.rows.rows.size(), 33u);
    EXPECT_EQ(SaveCatalogueRow(edit, Named("Mine", 7)), SaveRowResult::kReplaced);
    EXPECT_EQ(edit.rows.rows[2].values[0], 7);
    EXPECT_EQ(SaveCatalogueRow(edit, Named("Fax", 7)), SaveRowResult::kProtected);
    EXPECT_EQ(SaveCatalogueRow(edit, Named("")), SaveRowResult::kNoName);
    for (int i = 0; i < kCustomisationRoom; ++i) {
        ASSERT_EQ(SaveCatalogueRow(edit, Named("Row " + std::to_string(i))), SaveRowResult::kAdded);
    }
    EXPECT_EQ(std::tuple(edit.rows.count, edit.rows.current), std::tuple(33, 32));
    EXPECT_EQ(SaveCatalogueRow(edit, Named("One more")), SaveRowResult::kFull);
}

TEST(CatalogueEditTest, RenameAndDeleteOnlyTheUsersRows) {
    CatalogueEdit edit = BeginCatalogueEdit(TwoBuiltinsAndOneOwn(), 2);
    ASSERT_EQ(SaveCatalogueRow(edit, Named("Second")), SaveRowResult::kAdded);
    EXPECT_FALSE(RenameCatalogueRow(edit, 1, "Telefax"));
    EXPECT_FALSE(RenameCatalogueRow(edit, 2, "Second"));  // a name in use
    EXPECT_TRUE(RenameCatalogueRow(edit, 2, "First"));
    EXPECT_EQ(FindCatalogueRow(edit.rows, "First"), 2);

    EXPECT_FALSE(DeleteCatalogueRow(edit, 0));
    EXPECT_TRUE(DeleteCatalogueRow(edit, 2));  // a row before the current one
    EXPECT_EQ(FieldText(edit.rows.rows[static_cast<size_t>(edit.rows.current)].name), "Second");
    EXPECT_TRUE(DeleteCatalogueRow(edit, 2));  // the current row itself: the one before takes over
    EXPECT_EQ(std::tuple(edit.rows.count, edit.rows.current), std::tuple(2, 1));
    EXPECT_FALSE(DeleteCatalogueRow(edit, 2));
}

}  // namespace
}  // namespace korva
