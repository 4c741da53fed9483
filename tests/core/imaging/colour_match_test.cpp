#include "core/imaging/colour_match.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/preview/packed_dib.h"
#include "platform/posix/posix_system_facts.h"

namespace korva {
namespace {

OsVersion Version(int platform, int major, int minor) {
    return {.platform = platform, .major = major, .minor = minor};
}

TEST(ColourMatchTest, NewerSystemsUseTheRuntimeAndOnlyTheDeviceWordsGetItsProfile) {
    PosixSystemFacts system("C:\\WINDOWS");
    for (const OsVersion v : {Version(OsVersion::kPlatform9x, 4, 10), Version(OsVersion::kPlatformNt, 5, 0)}) {
        system.version = v;
        for (const char* model : {"TORVALE", "Meridia"}) {
            const ColourMatchPlan plan = PlanColourMatch(system, model);
            EXPECT_EQ(plan.route, ColourMatchRoute::kLibrary);
            EXPECT_EQ(plan.libraryProfile, "qa4100r.icm");
        }
        // The comparison is exact: a trailing blank or another case is another model, left unmatched.
        for (const char* model : {"TORVALE ", "torvale", "Other", ""}) {
            EXPECT_EQ(PlanColourMatch(system, model).libraryProfile, "") << model;
        }
    }
}

TEST(ColourMatchTest, OlderSystemsConvertThroughTheColourFolderProfiles) {
    PosixSystemFacts system("C:\\WIN95");
    for (const OsVersion v : {Version(OsVersion::kPlatform9x, 4, 0), Version(OsVersion::kPlatformNt, 4, 0)}) {
        system.version = v;
        const ColourMatchPlan own = PlanColourMatch(system, "Meridia");
        EXPECT_EQ(own.route, ColourMatchRoute::kSystem);
        EXPECT_EQ(own.scannerPath, "C:\\WIN95\\system\\color\\qa4100r.icm");
        EXPECT_EQ(own.displayPath, "C:\\WIN95\\system\\color\\mon17k65.icm");
        EXPECT_EQ(PlanColourMatch(system, "TORVALE ").scannerPath, "C:\\WIN95\\system\\color\\mrd512r.icm");
    }
    // The Windows directory is read into 60 characters.
    PosixSystemFacts deep(std::string(70, 'w'));
    deep.version = Version(OsVersion::kPlatform9x, 4, 0);
    EXPECT_EQ(PlanColourMatch(deep, "TORVALE").displayPath, std::string(59, 'w') + "\\system\\color\\mon17k65.icm");
}

TEST(ColourMatchTest, TheColourSpaceDescriptionCarriesItsFixedFieldsAndTheBoundedFileName) {
    const LogicalColourSpace description = DescribeColourSpace("C:\\WIN95\\system\\color\\qa4100r.icm");
    std::vector<uint32_t> words;
    for (size_t offset = 0; offset < 68; offset += 4) {
        words.push_back(ReadU32(description, offset));
    }
    // Signature, version, size, calibrated RGB, business-graphics intent, zero end points and gammas.
    EXPECT_EQ(words, (std::vector<uint32_t>{0x50534F43, 0x400, 328, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ColourSpaceFileName(description), "C:\\WIN95\\system\\color\\qa4100r.icm");
    // A name too long for the field is cut so that the field keeps its terminating zero.
    const LogicalColourSpace longName = DescribeColourSpace(std::string(300, 'x'));
    EXPECT_EQ(ColourSpaceFileName(longName), std::string(259, 'x'));
    EXPECT_EQ(longName.back(), 0);
}

}  // namespace
}  // namespace korva
