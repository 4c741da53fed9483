#include <gtest/gtest.h>

#include "platform/posix/posix_profile.h"
#include "support/temp_dir.h"

namespace korva {
namespace {

class PosixProfileTest : public ::testing::Test {
  protected:
    std::string Ini() const { return dir.Win("\\LOMTWNS.ini"); }
    test::TempDir dir;
    PosixProfile profile;
};

TEST_F(PosixProfileTest, IntegersFallBackToTheDefaultOnlyWhenTheKeyIsMissingAndBooleansAreTrueOnlyForOne) {
    dir.WriteFile(
        "\\LOMTWNS.ini",
        "[Settings]\r\nDISP UNIT=1\r\nBad=abc\r\nLead=12abc\r\nNeg=-5\r\nEmpty=\r\nSpaced=  42  \r\nTwo=2\r\n");
    for (const auto& [key, value] : {std::pair{"DISP UNIT", 1},
                                     {"Missing", 7},
                                     {"Bad", 0},
                                     {"Lead", 12},
                                     {"Neg", -5},
                                     {"Empty", 7},
                                     {"Spaced", 42}}) {
        EXPECT_EQ(profile.ReadInt(Ini(), "Settings", key, 7), value) << key;
    }
    EXPECT_EQ(profile.ReadInt(Ini(), "Other", "DISP UNIT", 7), 7);
    EXPECT_EQ(profile.ReadInt(dir.Win("\\none.ini"), "Settings", "DISP UNIT", 9), 9);
    EXPECT_TRUE(ReadBool(profile, Ini(), "Settings", "DISP UNIT", false));
    EXPECT_TRUE(ReadBool(profile, Ini(), "Settings", "Missing", true));
    for (const char* key : {"Two", "Bad", "Neg"}) {
        EXPECT_FALSE(ReadBool(profile, Ini(), "Settings", key, true)) << key;
    }
}

TEST_F(PosixProfileTest, FileSectionAndKeyNamesMatchWithoutRegardToCaseAndValuesAreTrimmed) {
    dir.WriteFile("\\LOMTWNS.ini", "[QXTWAINds]\nVersion =  1.10E extra  \nQuoted=\"  a b \"\n");
    EXPECT_EQ(profile.ReadString(Ini(), "qxtwainds", "VERSION", "0.00", 80), "1.10E extra");
    EXPECT_EQ(profile.ReadString(Ini(), "QXTWAINds", "Quoted", "", 80), "  a b ");
    EXPECT_EQ(profile.ReadString(Ini(), "QXTWAINds", "Missing", "0.00", 80), "0.00");
    dir.WriteFile("\\TWAIN_32\\VELDRIX\\lomtwns.INI", "[S]\nk=v\n");
    EXPECT_EQ(profile.ReadString(dir.Win("\\twain_32\\veldrix\\LOMTWNS.ini"), "S", "k", "", 80), "v");
}

TEST_F(PosixProfileTest, StringsAreCutToTheBuffer) {
    dir.WriteFile("\\LOMTWNS.ini", "[S]\nLong=" + std::string(5000, 'x') + "\nNul=ab" + std::string(1, '\0') + "cd\n");
    EXPECT_EQ(profile.ReadString(Ini(), "S", "Long", "", 80), std::string(79, 'x'));
    EXPECT_EQ(profile.ReadString(Ini(), "S", "Long", "", 1), "");
    EXPECT_EQ(profile.ReadString(Ini(), "S", "Long", "", 0), "");
    EXPECT_EQ(profile.ReadString(Ini(), "S", "Missing", "0.00", 3), "0.");
    EXPECT_EQ(profile.ReadString(Ini(), "S", "Nul", "", 80), "ab");
}

TEST_F(PosixProfileTest, WritingCreatesFileAndSectionAndKeepsEverythingElseInOrderAndDeletingRemovesTheFile) {
    ASSERT_TRUE(profile.WriteString(Ini(), "Settings", "SCAN MODE", "5"));
    EXPECT_EQ(profile.ReadInt(Ini(), "Settings", "SCAN MODE", 0), 5);

    dir.WriteFile("\\LOMTWNS.ini", "; made by hand\r\n[A]\r\nx=1\r\nUnknown=keep\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(profile.WriteString(Ini(), "a", "X", "10"));
    ASSERT_TRUE(profile.WriteString(Ini(), "A", "z", "3"));
    ASSERT_TRUE(profile.WriteString(Ini(), "C", "w", "4"));
    EXPECT_EQ(dir.ReadFile("\\LOMTWNS.ini"),
              "; made by hand\r\n[A]\r\nX=10\r\nUnknown=keep\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n");

    EXPECT_TRUE(profile.DeleteProfileFile(Ini()));
    EXPECT_FALSE(dir.Exists("\\LOMTWNS.ini"));
    EXPECT_EQ(profile.ReadString(Ini(), "C", "w", "gone", 80), "gone");
    EXPECT_FALSE(profile.DeleteProfileFile(Ini()));
}

}  // namespace
}  // namespace korva
