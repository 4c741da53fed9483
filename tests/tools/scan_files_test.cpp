// What the simulated scanner reads (its device model, the module's block, batches of saved settings) and
// the files it leaves.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "core/boundary/source_context.h"
#include "core/settings/settings_file.h"
#include "platform/posix/posix_services.h"
#include "support/temp_dir.h"
#include "tools/datasource/batch_plan.h"
#include "tools/datasource/device_model.h"
#include "tools/datasource/scan_document.h"
#include "tools/datasource/scan_files.h"

namespace korva::sim {
namespace {

uint32_t Le32(const std::string& bytes, size_t offset) {
    return static_cast<uint8_t>(bytes[offset]) | static_cast<uint8_t>(bytes[offset + 1]) << 8 |
           static_cast<uint8_t>(bytes[offset + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + 3])) << 24;
}

class SimulatorFilesTest : public ::testing::Test {
  protected:
    std::string Ini() const { return dir.Win("\\LOMTWNS.ini"); }

    test::TempDir dir;
    PosixServices posix{dir.path()};
};

TEST_F(SimulatorFilesTest, TheDeviceModelComesFromItsSectionWithModelsForTests) {
    std::vector<uint8_t> block(kSourceContextSize, 0);
    SourceContext context(block.data());
    DescribeDevice(ReadDeviceModel(posix.profile, Ini(), "C:\\D"), context);
    EXPECT_EQ(context.Get(ctx::level), 6);
    EXPECT_EQ(context.Get(ctx::optionUnit), 1);
    EXPECT_EQ(context.Get(ctx::bedWidth1), 250);  // the film unit's bed
    EXPECT_EQ(context.Get(ctx::resolutionCount), 12);

    dir.WriteFile("\\LOMTWNS.ini", "[Simulator]\nDevice=feeder\nResolutions=100, 300, 250, 600\nOutput=C:\\OUT\n");
    const DeviceModel feeder = ReadDeviceModel(posix.profile, Ini(), "C:\\D");
    DescribeDevice(feeder, context);
    EXPECT_EQ(context.Get(ctx::optionUnit), 0);
    EXPECT_EQ(context.Get(ctx::bedHeight0), 1400);
    EXPECT_EQ(context.Get(ctx::resolutionCount), 2);  // the list ends where it stops ascending
    EXPECT_EQ(feeder.outputFolder, "C:\\OUT");

    dir.WriteFile("\\LOMTWNS.ini", "[Simulator]\nDevice=level1\nFocusFails=1\nLampOff=1\n");
    const DeviceModel early = ReadDeviceModel(posix.profile, Ini(), "C:\\D");
    EXPECT_EQ(early.level, 1);
    EXPECT_EQ(early.optionUnit, 2);
    EXPECT_TRUE(early.focusFails);
    EXPECT_EQ(early.outputFolder, "C:\\D\\SCANS");

    // The lamp refuses previews; a focus run answers the position found, or -100 when focusing fails.
    context.Set(ctx::focusMode, 3);
    EXPECT_FALSE(AnswerPreviewRequest(early, context));
    EXPECT_EQ(context.Get(ctx::focusTenths), -100);
    DeviceModel full = ReadDeviceModel(posix.profile, dir.Win("\\NONE.ini"), "C:\\D");
    full.focusTenths = 15;
    EXPECT_TRUE(AnswerPreviewRequest(full, context));
    EXPECT_EQ(context.Get(ctx::focusTenths), 15);
    context.Set(ctx::focusMode, 0);
    full.focusTenths = 30;
    EXPECT_TRUE(AnswerPreviewRequest(full, context));
    EXPECT_EQ(context.Get(ctx::focusTenths), 15);  // a plain preview leaves the position alone
}

TEST_F(SimulatorFilesTest, TheModulesBlockBecomesTheJobAndFilmModeGivesAPositive) {
    std::vector<uint8_t> block(kSourceContextSize, 0);
    SourceContext c(block.data());
    const std::pair<ContextField, int64_t> fields[] = {
        {ctx::level, 6},       {ctx::pixelWidth, 600}, {ctx::pixelHeight, 300}, {ctx::dsResolution, 300},
        {ctx::dsScale, 50},    {ctx::dsAreaLeft, 25},  {ctx::pixelType, 1},     {ctx::bitsPerSample, 8},
        {ctx::tablesValid, 1}, {ctx::docSource, 1}};
    for (const auto& [field, value] : fields) {
        c.Set(field, value);
    }
    c.Bytes(ctx::tableGreen)[7] = 99;
    ScanJob job;
    ASSERT_TRUE(JobFromContext(c, 1, job));
    EXPECT_EQ(std::tuple(job.dpi, job.left, job.tables[1][7], job.source),
              std::tuple(150.0, 25, 99, ScanSource::kNegativeFilm));
    c.Set(ctx::negativeFilm, 1);
    ASSERT_TRUE(JobFromContext(c, 1, job));
    EXPECT_EQ(job.source, ScanSource::kPositiveFilm);
    c.Set(ctx::level, 1);
    ASSERT_TRUE(JobFromContext(c, 1, job));
    EXPECT_FALSE(job.tablesValid);
    c.Set(ctx::pixelHeight, 0);
    EXPECT_FALSE(JobFromContext(c, 1, job));
}

TEST_F(SimulatorFilesTest, ScansAreNumberedFilesWithTheirBlockBesideThem) {
    ScanJob job{.width = 3, .height = 2, .dpi = 300, .pixelType = 1, .bitsPerSample = 16};
    ScanImage deep;
    deep.deepChannels = 1;
    deep.deepSamples = {0, 1, 2, 65535, 4, 5};
    const std::string folder = dir.Win("\\OUT");
    EXPECT_EQ(WriteScanFiles(posix.files, folder, deep, job, "marquee 1"), folder + "\\SCAN0001.TIF");
    const std::string tiff = dir.ReadFile("\\OUT\\SCAN0001.TIF");
    ASSERT_EQ(tiff.substr(0, 4), std::string("II*\0", 4));
    const uint32_t directory = Le32(tiff, 4);
    auto tag = [&](int i) { return tiff.substr(directory + 2 + i * 12, 12); };
    EXPECT_EQ(std::tuple(Le32(tag(0), 8), Le32(tag(1), 8), Le32(tag(2), 8)), std::tuple(3u, 2u, 16u));  // w, h, bits
    const uint32_t pixels = Le32(tag(5), 8);
    ASSERT_EQ(tiff.size(), pixels + 12);
    EXPECT_EQ(Le32(tiff, pixels + 6), 0x0000FFFFu + (4u << 16));  // samples 65535 and 4
    EXPECT_NE(dir.ReadFile("\\OUT\\SCAN0001.TXT").find("bitsPerSample=16"), std::string::npos);

    ScanImage flat;
    flat.bitmap.width = 3;
    flat.bitmap.height = 2;
    flat.bitmap.rows.assign(flat.bitmap.Stride() * 2, 7);
    job.bitsPerSample = 8;
    EXPECT_EQ(WriteScanFiles(posix.files, folder, flat, job, "marquee 2"), folder + "\\SCAN0002.BMP");
    EXPECT_EQ(dir.ReadFile("\\OUT\\SCAN0002.BMP").size(), 54u + 24);
}

TEST_F(SimulatorFilesTest, APictureFileTakesThePlaceOfTheChartAndADamagedOneIsRefused) {
    tools::BitmapImage image;  // 2 x 1 pixels: blue, then red
    image.width = 2;
    image.height = 1;
    image.rows = {255, 0, 0, 0, 0, 255, 0, 0};
    const std::vector<uint8_t> bytes = tools::EncodeBitmapFile(image);
    dir.WriteFile("\\PICTURE.BMP", std::string(bytes.begin(), bytes.end()));
    const std::optional<Picture> picture = LoadPicture(posix.files, dir.Win("\\PICTURE.BMP"));
    ASSERT_TRUE(picture);
    const ScanDocument document(ScanSource::kFlatbed, &*picture);
    EXPECT_EQ(document.Colour(100, 100).b, 255);  // the picture spans the page's width: 425 hundredths a pixel
    EXPECT_EQ(document.Colour(500, 100).r, 255);
    EXPECT_EQ(document.Colour(500, 600).r, 200);  // below the picture: the bare bed

    dir.WriteFile("\\SHORT.BMP", std::string(bytes.begin(), bytes.end() - 4));
    EXPECT_FALSE(LoadPicture(posix.files, dir.Win("\\SHORT.BMP")));
}

TEST_F(SimulatorFilesTest, ABatchScansEveryMarqueeOfTheNamedSettingsInTurn) {
    Marquee first;
    first.document = {0, 0, 2000, 1000};  // 2 x 1 inches
    first.settings.scanResolution = 150;
    first.settings.imageType = 4;  // 256 grey levels
    Marquee second = first;
    second.settings.imageType = 6;  // line art
    second.settings.threshold = 128;
    const Marquee two[] = {first, second};
    SettingsBlock whole;
    whole.scanResolution = 100;
    whole.selectionWidth = 850;
    whole.selectionHeight = 1100;
    const std::string folder = dir.Win("\\SETTINGS");
    posix.files.MakeDirectory(folder);
    ASSERT_TRUE(WriteSettingsFile(posix.files, folder + "\\ENV0000.set", "two", two, {}));
    ASSERT_TRUE(WriteSettingsFile(posix.files, folder + "\\ENV0001.set", "page", {}, whole));
    dir.WriteFile("\\LOMTWNS.ini", "[BatchMode]\ntotal=2\nBatch 0=ENV0001\nBatch 1=ENV0000\n");

    const std::vector<std::string> names = ReadBatchNames(posix.profile, Ini());
    ASSERT_EQ(names, (std::vector<std::string>{"ENV0001", "ENV0000"}));
    const Catalogue types = ReadImageTypes(posix.profile, Ini());
    const std::vector<BatchScan> page = ScansOfSettingsFile(posix.files, folder + "\\ENV0001.set", types, 1);
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0].job.width, 850);
    EXPECT_EQ(page[0].job.height, 1100);
    const std::vector<BatchScan> scans = ScansOfSettingsFile(posix.files, folder + "\\ENV0000.set", types, 1);
    ASSERT_EQ(scans.size(), 2u);
    EXPECT_EQ(scans[0].job.width, 300);
    EXPECT_EQ(scans[0].job.height, 150);
    EXPECT_EQ(scans[0].job.pixelType, 1);
    EXPECT_EQ(scans[1].job.pixelType, 0);
    EXPECT_EQ(scans[1].job.threshold, 173);
    EXPECT_TRUE(ScansOfSettingsFile(posix.files, folder + "\\ENV0009.set", types, 1).empty());

    EndBatch(posix.profile, Ini());
    EXPECT_TRUE(ReadBatchNames(posix.profile, Ini()).empty());
}

}  // namespace
}  // namespace korva::sim
