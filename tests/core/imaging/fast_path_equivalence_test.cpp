// The optimised pixel paths against the straightforward renderings, on random images of odd sizes: any
// drift of a fast path from the exact arithmetic shows as a byte that differs.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/filter/colour_matrix.h"
#include "core/imaging/indexed_render.h"
#include "core/imaging/line_art.h"
#include "core/imaging/popularity_palette.h"
#include "core/imaging/preview_pipeline.h"
#include "core/imaging/sixteen_colours.h"
#include "core/tone/display_tables.h"
#include "reference_rendering.h"
#include "test_images.h"

namespace korva {
namespace {

using test::Bgr;

class Random {
  public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    int32_t Between(int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(engine_); }
    uint8_t Byte() { return static_cast<uint8_t>(Between(0, 255)); }

    // Mostly noise, with runs of the extremes so that sums reach past both ends of the range; random row
    // padding, which 24-bit results must keep.
    RenderedImage Image(int32_t width, int32_t height) {
        RenderedImage image = test::Image24(width, height, [&](int32_t, int32_t) {
            const int32_t kind = Between(0, 7);
            return kind < 2 ? test::Grey(static_cast<uint8_t>(255 * kind)) : Bgr{Byte(), Byte(), Byte()};
        });
        for (size_t i = 0; i < image.pixels.size(); ++i) {
            if (i % image.rowBytes >= 3 * static_cast<size_t>(width)) {
                image.pixels[i] = Byte();
            }
        }
        return image;
    }

    DisplayTables Tables() {
        DisplayTables tables;
        for (ToneCurve& table : tables) {
            for (uint8_t& entry : table) {
                entry = Byte();
            }
        }
        return tables;
    }

  private:
    std::mt19937 engine_;
};

PackedDib PreviewOf(const RenderedImage& image) {
    PackedDib preview = MakePackedDib24(image.width, image.height);
    std::copy(image.pixels.begin(), image.pixels.end(), preview.begin() + kInfoHeaderBytes);
    return preview;
}

TEST(FastPathEquivalenceTest, TablesAndMatrixMatchTheReference) {
    Random random(18);
    for (int trial = 0; trial < 60; ++trial) {
        const int32_t width = random.Between(1, 70);
        const int32_t height = random.Between(1, 5);
        const RenderedImage source = random.Image(width, height);
        const DisplayTables tables = random.Tables();
        ColourMatrix matrix = BuildPreviewColourMatrix(random.Between(-100, 100), random.Between(0, 1) == 1);
        if (trial % 4 == 1) {
            matrix = kIdentityColourMatrix;
        } else if (trial % 4 == 2) {
            // Coefficients far beyond the preview's, still 16-bit, and beyond 16 bits.
            const int32_t limit = trial % 8 == 2 ? 32767 : 1 << 20;
            for (auto& row : matrix) {
                for (int32_t& m : row) {
                    m = random.Between(-limit, limit);
                }
            }
        }
        RenderedImage expected = source;
        test::ReferenceMap(expected, tables, matrix);

        RenderedImage mapped = source;
        MapThroughTablesAndMatrix(tables, matrix, source.pixels.data(), mapped.pixels.data(),
                                  static_cast<uint32_t>(width), static_cast<uint32_t>(height), source.rowBytes);
        EXPECT_EQ(mapped.pixels, expected.pixels) << "trial " << trial;
        RenderedImage inPlace = source;
        MapThroughTablesAndMatrix(tables, matrix, inPlace.pixels.data(), inPlace.pixels.data(),
                                  static_cast<uint32_t>(width), static_cast<uint32_t>(height), source.rowBytes);
        EXPECT_EQ(inPlace.pixels, expected.pixels) << "trial " << trial;
    }
}

// Every mode (and one either side), drop-out colour and random tables. The diffusion runs eight rows at
// once, each two pixels behind the one above: the sizes include images narrower than the lag of the last
// row, no rows, heights that leave one to seven rows for the last pass, and a row wider than 509 pixels.
TEST(FastPathEquivalenceTest, LineArtMatchesTheReferenceInEveryModeAndSize) {
    Random random(1800);
    const DropoutColour dropouts[] = {DropoutColour::kNone, DropoutColour::kRed, DropoutColour::kGreen,
                                      DropoutColour::kBlue};
    std::vector<std::pair<int32_t, int32_t>> sizes = {{700, 11}};
    for (const int32_t width : {1, 2, 3, 7, 13, 14, 15}) {
        for (const int32_t height : {0, 1, 2, 7, 8, 9, 15, 17}) {
            sizes.emplace_back(width, height);
        }
    }
    for (int32_t mode = -1; mode <= kLastHalftoneMode + 1; ++mode) {
        for (size_t trial = 0; trial < sizes.size() + 6; ++trial) {
            const auto [width, height] =
                trial < sizes.size() ? sizes[trial] : std::pair{random.Between(1, 61), random.Between(1, 20)};
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << width << " x " << height);
            const RenderType type = test::LineArt(mode, dropouts[trial % 4]);
            const int32_t threshold = random.Between(-20, 280);
            const RenderedImage source = random.Image(width, height);
            const DisplayTables tables = random.Tables();
            RenderedImage mapped = source;
            test::ReferenceMap(mapped, tables, kIdentityColourMatrix);
            const RenderedImage expected = test::ReferenceLineArt(mapped, type, threshold);

            const RenderedImage rendered =
                RenderLineArt(source.pixels.data(), source.rowBytes, width, height, tables, type, threshold);
            EXPECT_EQ(rendered.pixels, expected.pixels);
            EXPECT_EQ(rendered.rowBytes, expected.rowBytes);
            EXPECT_EQ(rendered.bitsPerPixel, 1);
            EXPECT_EQ(rendered.colours, expected.colours);
        }
    }
}

// Taking the fullest bin 216 times, emptying it each time, counts compared as 16-bit numbers.
PopularColours ReferencePicks(ColourHistogram histogram) {
    PopularColours result;
    result.binIndex.fill(kNoPaletteIndex);
    for (int i = 0; i < kPopularColourCount; ++i) {
        size_t best = 0;
        for (size_t bin = 1; bin < histogram.size(); ++bin) {
            if (static_cast<uint16_t>(histogram[bin]) > static_cast<uint16_t>(histogram[best])) {
                best = bin;
            }
        }
        result.colours[static_cast<size_t>(i)] =
            DibColour{static_cast<uint8_t>((best & 15) * 16), static_cast<uint8_t>(((best >> 4) & 15) * 16),
                      static_cast<uint8_t>(((best >> 8) & 15) * 16), 1};
        histogram[best] = 0;
        result.binIndex[best] = static_cast<int16_t>(i);
    }
    return result;
}

TEST(FastPathEquivalenceTest, PopularColoursMatchTakingTheFullestBinEachTime) {
    Random random(216);
    // Few filled bins (bin 0 is taken again at the end), many with ties, counts around 65536.
    for (const auto& [filled, highest] : {std::pair{30, 9}, std::pair{4096, 3}, std::pair{900, 70000}}) {
        for (int trial = 0; trial < 4; ++trial) {
            ColourHistogram histogram{};
            for (int i = 0; i < filled; ++i) {
                histogram[static_cast<size_t>(random.Between(0, kColourBins - 1))] =
                    static_cast<uint32_t>(random.Between(0, highest));
            }
            histogram[0] = trial % 2 == 0 ? 0 : 5;
            const PopularColours picked = PickPopularColours(histogram);
            const PopularColours expected = ReferencePicks(histogram);
            EXPECT_EQ(picked.colours, expected.colours) << filled << " bins, trial " << trial;
            EXPECT_EQ(picked.binIndex, expected.binIndex) << filled << " bins, trial " << trial;
        }
    }
}

// The whole run, every image type and display, against the reference steps over the display tables the
// run leaves behind (sharpening, which has its own checks, off); the preview is never written.
TEST(FastPathEquivalenceTest, PipelineMatchesTheReferenceStepsForEveryTypeAndDisplay) {
    Random random(2018);
    std::vector<RenderType> types = {RenderType{}, RenderType{ColourClass::kGrey, 8, 0, DropoutColour::kGreen},
                                     RenderType{ColourClass::kColour, 8, 0, DropoutColour::kNone},
                                     RenderType{ColourClass::kColour, 48, 0, DropoutColour::kNone}};
    for (int32_t mode = 0; mode <= kLastHalftoneMode; ++mode) {
        types.push_back(test::LineArt(mode, mode % 2 == 0 ? DropoutColour::kNone : DropoutColour::kBlue));
    }
    for (size_t i = 0; i < 2 * types.size(); ++i) {
        const RenderType& type = types[i / 2];
        for (const DisplayKind display :
             {DisplayKind::kTrueColour, DisplayKind::kPalette, DisplayKind::kSixteenColours}) {
            SCOPED_TRACE(testing::Message() << "bits " << type.bitsPerPixel << " mode " << type.halftoneMode
                                            << " display " << static_cast<int>(display) << " matching " << i % 2);
            const RenderedImage source = random.Image(2 * random.Between(0, 45) + 1, random.Between(1, 9));
            const PackedDib preview = PreviewOf(source);
            PreviewAdjustments in;
            in.preview = preview;
            in.iproc = {random.Between(-20, 20),  random.Between(50, 200), random.Between(200, 255),
                        random.Between(0, 50),    random.Between(0, 255),  random.Between(0, 50),
                        random.Between(-100, 100)};
            in.toneMap = BuiltInToneMaps()[static_cast<size_t>(random.Between(0, 4))].toneMap;
            in.channelBalance = {0.05f, 0.0f, -0.04f};
            in.invert = random.Between(0, 1) == 1;
            in.colourMatching = i % 2 == 1;
            in.docSource = random.Between(0, 2);
            in.optionUnit = random.Between(0, 1);
            in.type = type;
            in.display = display;
            ToneTables tables;
            const std::optional<PreviewRendering> rendering = RenderPreview(in, tables);
            ASSERT_TRUE(rendering);

            RenderedImage expected = source;
            test::ReferenceMap(expected, tables.displayTables,
                               type.IsLineArt()
                                   ? kIdentityColourMatrix
                                   : BuildPreviewColourMatrix(in.iproc[iproc::kSaturation], in.colourMatching));
            DisplayPath path = DisplayPath::kTrueColour;
            if (display == DisplayKind::kSixteenColours) {
                path = DisplayPath::kSixteenColours;
                RenderSixteenColours(expected, type);
            } else if (type.IsLineArt()) {
                path = DisplayPath::kLineArt;
                expected = test::ReferenceLineArt(expected, type, in.iproc[iproc::kThreshold]);
            } else if (type.bitsPerPixel < 24 || display == DisplayKind::kPalette) {
                path = DisplayPath::kPalette;
                RenderColourOrGrey(expected, type, display == DisplayKind::kPalette);
            }
            EXPECT_EQ(rendering->path, path);
            // Colour matching is for 24-bit output on a true-colour display only.
            EXPECT_EQ(rendering->colourMatch,
                      in.colourMatching && path == DisplayPath::kTrueColour && type.bitsPerPixel == 24);
            EXPECT_EQ(rendering->image.pixels, expected.pixels);
            EXPECT_EQ(rendering->image.colours, expected.colours);
            EXPECT_EQ(rendering->image.rowBytes, expected.rowBytes);
            EXPECT_EQ(rendering->image.bitsPerPixel, expected.bitsPerPixel);
            EXPECT_EQ(preview, PreviewOf(source));
        }
    }
}

}  // namespace
}  // namespace korva
