#include "core/settings/settings_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <tuple>
#include <vector>

#include "core/settings/fixed_text.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_paths.h"
#include "settings_fixture.h"

namespace korva {
namespace {

class SettingsListTest : public test::SettingsTest {
  protected:
    void SetUp() override { LoadWith(""); }
    // Saves `count` marquees whose document sources number them from `first` under a new name.
    void SaveMarquees(SettingsList& list, const std::string& name, int count, int first) {
        std::vector<Marquee> marquees(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            marquees[static_cast<size_t>(i)].settings.docSource = first + i;
        }
        ASSERT_EQ(SaveSettingsFile(list, settings, services, 0, name, true, true, marquees), 1);
    }
};

TEST_F(SettingsListTest, NewSettingsTakeTheFirstFreeNumberFromTheEntryCount) {
    SettingsList list = BuildSettingsList(settings, services);
    SaveMarquees(list, "First", 0, 0);
    SaveMarquees(list, "Second", 0, 0);
    EXPECT_TRUE(dir.Exists(Folder("ENV0000.set")));
    EXPECT_TRUE(dir.Exists(Folder("ENV0001.set")));
    EXPECT_EQ(std::tuple(list.selected, list.entries[1].flags), std::tuple(1, SettingsEntry::kCreated));

    dir.WriteFile(Folder("ENV0002.set"), std::string(52 + 382, '\0'));
    list = BuildSettingsList(settings, services);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(std::tuple(FieldText(list.entries[0].name), list.entries[0].flags),
              std::tuple("First", SettingsEntry::kExisted));
    dir.WriteFile(Folder("ENV0003.set"), "");
    SaveMarquees(list, "Fifth", 0, 0);
    EXPECT_EQ(std::tuple(FieldText(list.entries[3].baseName), list.selected), std::tuple("ENV0004", 3));
}

TEST_F(SettingsListTest, NamesAreCleanedAndCutTo32BytesInTheFile) {
    EXPECT_EQ(CleanSettingsName("  Photo, large"), "Photo_ large");
    EXPECT_EQ(CleanSettingsName(std::string(50, 'x')).size(), 39u);

    SettingsList list = BuildSettingsList(settings, services);
    const std::string name(35, 'n');
    SaveMarquees(list, name, 0, 0);
    EXPECT_EQ(FindSettingsEntry(list, name), 0);
    list = BuildSettingsList(settings, services);
    EXPECT_EQ(FieldText(list.entries[0].name), std::string(32, 'n'));
    EXPECT_EQ(FindSettingsEntry(list, name), -1);
}

TEST_F(SettingsListTest, AnExistingNameIsReplacedOnlyWithTheUsersYes) {
    SettingsList list = BuildSettingsList(settings, services);
    SaveMarquees(list, "Mine", 1, 10);
    SaveMarquees(list, "Other", 0, 0);
    std::vector<Marquee> two(2);
    EXPECT_EQ(SaveSettingsFile(list, settings, services, 0, "Mine", false, true, two), 0);
    posix.messages.answers = {mb::kAnswerNo};
    EXPECT_EQ(SaveSettingsFile(list, settings, services, 0, "Mine", true, true, two), 0);
    ASSERT_EQ(posix.messages.shown.size(), 1u);
    const auto& asked = posix.messages.shown[0];
    EXPECT_EQ(std::tuple(asked.text, asked.caption, asked.style),
              std::tuple("The name already exists, Do you want to replace it?", "KORVA SF TWAIN",
                         mb::kYesNoCancel | mb::kIconQuestion));

    posix.messages.answers = {mb::kAnswerYes};
    EXPECT_EQ(SaveSettingsFile(list, settings, services, 0, "Mine", true, true, two), 1);
    EXPECT_EQ(std::tuple(list.selected, list.Count()), std::tuple(0, 2));
    EXPECT_EQ(dir.ReadFile(Folder("ENV0000.set")).size(), 52u + 2 * 518u);
}

TEST_F(SettingsListTest, SelectedSettingsRestoreTheirMarqueesInFileOrder) {
    SettingsList list = BuildSettingsList(settings, services);
    SaveMarquees(list, "Two", 2, 1);
    SaveMarquees(list, "Three", 3, 3);
    const std::vector<int32_t> both = {0, 1};
    std::vector<Marquee> records = ReadMarqueesForRestore(list, settings, services, "", both, 0);
    ASSERT_EQ(records.size(), 5u);
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].settings.docSource, static_cast<int32_t>(i) + 1);
    }
    const std::vector<int32_t> one = {1};
    EXPECT_EQ(ReadMarqueesForRestore(list, settings, services, "", one, 1).size(), 3u);
}

TEST_F(SettingsListTest, LoadingABlockChoosesTheFileByTheSelection) {
    SettingsList list = BuildSettingsList(settings, services);
    settings.dialogBlock.scanResolution = 600;
    SaveMarquees(list, "NoMarquees", 0, 0);
    SaveMarquees(list, "Marquees", 2, 4);
    settings.dialogBlock = SettingsBlock{};

    // Loads the selection's block and gives the result and the block's resolution and document source.
    const auto load = [&](int32_t selected) {
        list.selected = selected;
        const LoadedBlock loaded = LoadSettingsBlock(list, settings, services);
        return std::tuple(loaded, settings.dialogBlock.scanResolution, settings.dialogBlock.docSource);
    };
    EXPECT_EQ(load(0), std::tuple(LoadedBlock::kApply, 600, 0));
    EXPECT_EQ(load(1), std::tuple(LoadedBlock::kLoaded, 0, 4));

    // Nothing selected: the marquee backup.
    EXPECT_EQ(std::get<0>(load(list.Count())), LoadedBlock::kUnchanged);
    SaveMarqueeFile(settings, services, "mrqsav.tmp", {});
    settings.dialogBlock.docSource = 0;
    EXPECT_EQ(load(list.Count()), std::tuple(LoadedBlock::kApply, 0, 4));
    EXPECT_EQ(dir.ReadFile(Folder("mrqsav.tmp")).substr(16, 11), std::string("mrqsav.tmp\0", 11));

    settings.dialogBlockBackup.scanResolution = 1200;
    EXPECT_EQ(std::get<0>(load(7)), LoadedBlock::kApply);
    EXPECT_EQ(settings.dialogBlock.scanResolution, 1200);
}

TEST_F(SettingsListTest, CommitDeletesTheDeletedFilesAndDiscardOnlyTheNewOnes) {
    SettingsList list = BuildSettingsList(settings, services);
    SaveMarquees(list, "Kept", 0, 0);
    SaveMarquees(list, "Old", 0, 0);
    CloseSettingsList(list, settings, services, true);

    list = BuildSettingsList(settings, services);
    SaveMarquees(list, "New", 0, 0);
    const std::vector<int32_t> old = {1};
    DeleteSettingsEntries(list, old);
    EXPECT_EQ(std::tuple(list.Count(), list.NothingSelected()), std::tuple(2, true));
    CloseSettingsList(list, settings, services, false);
    EXPECT_TRUE(dir.Exists(Folder("ENV0000.set")));
    EXPECT_TRUE(dir.Exists(Folder("ENV0001.set")));
    EXPECT_FALSE(dir.Exists(Folder("ENV0002.set")));

    list = BuildSettingsList(settings, services);
    DeleteSettingsEntries(list, old);
    CloseSettingsList(list, settings, services, true);
    EXPECT_TRUE(dir.Exists(Folder("ENV0000.set")));
    EXPECT_FALSE(dir.Exists(Folder("ENV0001.set")));
}

TEST_F(SettingsListTest, UnreadableOrLongNamedFilesLeaveBlankEntriesAtTheEnd) {
    dir.WriteFile(Folder("b.set"), std::string(16, '\0') + "Bee");
    dir.WriteFile(Folder("A.set"), std::string(16, '\0') + "Ay");
    dir.WriteFile(Folder("LONGERNAME.set"), std::string(16, '\0') + "Long");
    dir.WriteFile(Folder("short.set"), "tiny");
    const SettingsList list = BuildSettingsList(settings, services);
    std::vector<std::string> entries;
    for (const SettingsEntry& entry : list.entries) {
        entries.push_back(FieldText(entry.baseName) + ":" + FieldText(entry.name));
    }
    // Byte order: "A" < "b".
    EXPECT_EQ(entries, (std::vector<std::string>{"A:Ay", "b:Bee", "short:", ":"}));
    EXPECT_EQ(list.selected, 4);
}

TEST_F(SettingsListTest, AFolderThatCannotBeCreatedIsReported) {
    settings.locations.settingsDir = "\\missing\\SETTINGS";
    const std::string before = std::filesystem::current_path().string();
    const SettingsList list = BuildSettingsList(settings, services);
    EXPECT_EQ(list.Count(), 0);
    ASSERT_EQ(posix.messages.shown.size(), 1u);
    EXPECT_EQ(std::tuple(posix.messages.shown[0].text, posix.messages.shown[0].caption),
              std::tuple("Error creating directory", "KORVA TWAIN"));
    EXPECT_EQ(std::filesystem::current_path().string(), before);

    // Below an existing folder the settings folder is created without a message.
    settings.locations.settingsDir = test::kSettingsFolder;
    BuildSettingsList(settings, services);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/TWAIN_32/VELDRIX/SETTINGS"));
    EXPECT_EQ(posix.messages.shown.size(), 1u);
}

TEST_F(SettingsListTest, BatchKeysNameTheSelectedFiles) {
    SettingsList list = BuildSettingsList(settings, services);
    for (int i = 0; i < 11; ++i) {
        SaveMarquees(list, "S" + std::to_string(i), 0, 0);
    }
    const std::vector<int32_t> three = {4, 0, 2};
    WriteBatchKeys(list, settings, services, three);
    EXPECT_EQ(Key("BatchMode", "total") + Key("BatchMode", "Batch 0") + Key("BatchMode", "Batch 1") +
                  Key("BatchMode", "Batch 2"),
              "3ENV0004ENV0000ENV0002");

    std::vector<int32_t> eleven(11);
    std::iota(eleven.begin(), eleven.end(), 0);
    WriteBatchKeys(list, settings, services, eleven);
    EXPECT_EQ(Key("BatchMode", "Batch10"), "ENV0010");
}

}  // namespace
}  // namespace korva
