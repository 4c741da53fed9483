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

TEST_F(PosixProfileTest, IntegersFallBackToTheDefaultOnlyWhenTheKeyIsMissing) {
    dir.WriteFile("\\LOMTWNS.ini",
                  "[Settings]\r\nDISP UNIT=1\r\nBad=abc\r\nLead=12abc\r\nNeg=-5\r\nEmpty=\r\nSpaced=  42  \r\n");
    EXPECT_EQ(profile.ReadInt(Ini(), "Settings", "DISP UNIT", 7), 1);
    EXPECT_EQ(profile.ReadInt(Ini(), "Settings", "Missing", 7), 7);
    EXPECT_EQ(profile.ReadInt(Ini(), "Settings", "Bad", 7), 0);
    EXPECT_EQ(profile.ReadInt(Ini(), "Settings", "Lead", 7), 12);
    EXPECT_EQ(profile.ReadInt(Ini(), "Settings", "Neg", 7), -5);
    EXPECT_EQ(profile.ReadInt(Ini(), "Settings", "Empty", 7), 7);
    EXPECT_EQ(profile.ReadInt(Ini(), "Settings", "Spaced", 7), 42);
    EXPECT_EQ(profile.ReadInt(Ini(), "Other", "DISP UNIT", 7), 7);
    EXPECT_EQ(profile.ReadInt(dir.Win("\\none.ini"), "Settings", "DISP UNIT", 9), 9);
}

TEST_F(PosixProfileTest, BooleansAreTrueOnlyForExactlyOne) {
    dir.WriteFile("\\LOMTWNS.ini", "[S]\nOne=1\nTwo=2\nZero=0\nMinus=-1\n");
    EXPECT_TRUE(ReadBool(profile, Ini(), "S", "One", false));
    EXPECT_FALSE(ReadBool(profile, Ini(), "S", "Two", true));
    EXPECT_FALSE(ReadBool(profile, Ini(), "S", "Zero", true));
    EXPECT_FALSE(ReadBool(profile, Ini(), "S", "Minus", true));
    EXPECT_TRUE(ReadBool(profile, Ini(), "S", "Missing", true));
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

TEST_F(PosixProfileTest, WritingCreatesFileAndSectionAndKeepsEverythingElseInOrder) {
    ASSERT_TRUE(profile.WriteString(Ini(), "Settings", "SCAN MODE", "5"));
    EXPECT_EQ(profile.ReadInt(Ini(), "Settings", "SCAN MODE", 0), 5);

    dir.WriteFile("\\LOMTWNS.ini", "; made by hand\r\n[A]\r\nx=1\r\nUnknown=keep\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(profile.WriteString(Ini(), "a", "X", "10"));
    ASSERT_TRUE(profile.WriteString(Ini(), "A", "z", "3"));
    ASSERT_TRUE(profile.WriteString(Ini(), "C", "w", "4"));
    EXPECT_EQ(dir.ReadFile("\\LOMTWNS.ini"),
              "; made by hand\r\n[A]\r\nX=10\r\nUnknown=keep\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n");
}

TEST_F(PosixProfileTest, DeletingRemovesTheFile) {
    ASSERT_TRUE(profile.WriteString(Ini(), "S", "k", "v"));
    EXPECT_TRUE(profile.DeleteProfileFile(Ini()));
    EXPECT_FALSE(dir.Exists("\\LOMTWNS.ini"));
    EXPECT_EQ(profile.ReadString(Ini(), "S", "k", "gone", 80), "gone");
    EXPECT_FALSE(profile.DeleteProfileFile(Ini()));
}

}  // namespace
}  // namespace korva
