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

    // Mostly noise, with runs of the extremes so that sums reach past both ends of the range.
    RenderedImage Image(int32_t width, int32_t height) {
        return test::Image24(width, height, [&](int32_t, int32_t) {
            const int32_t kind = Between(0, 7);
            if (kind == 0) {
                return test::Grey(0);
            }
            if (kind == 1) {
                return test::Grey(255);
            }
            return Bgr{Byte(), Byte(), Byte()};
        });
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

TEST(FastPathEquivalenceTest, LineArtMatchesTheReferenceInEveryMode) {
    Random random(1800);
    const DropoutColour dropouts[] = {DropoutColour::kNone, DropoutColour::kRed, DropoutColour::kGreen,
                                      DropoutColour::kBlue};
    for (int32_t mode = -1; mode <= kLastHalftoneMode + 1; ++mode) {
        for (int trial = 0; trial < 6; ++trial) {
            const RenderType type = test::LineArt(mode, dropouts[trial % 4]);
            const int32_t threshold = random.Between(-20, 280);
            const RenderedImage source = random.Image(random.Between(1, 61), random.Between(1, 20));
            const DisplayTables tables = random.Tables();
            RenderedImage mapped = source;
            test::ReferenceMap(mapped, tables, kIdentityColourMatrix);
            const RenderedImage expected = test::ReferenceLineArt(mapped, type, threshold);

            const RenderedImage rendered = RenderLineArt(source.pixels.data(), source.rowBytes, source.width,
                                                         source.height, tables, type, threshold);
            EXPECT_EQ(rendered.pixels, expected.pixels) << "mode " << mode << " trial " << trial;
            EXPECT_EQ(rendered.rowBytes, expected.rowBytes);
            EXPECT_EQ(rendered.bitsPerPixel, 1);
            EXPECT_EQ(rendered.colours, expected.colours);
        }
    }
}

// The diffusion runs eight rows at once, each two pixels behind the one above: images narrower than the
// lag of the last row, no rows, and heights that leave one to seven rows for the last pass.
TEST(FastPathEquivalenceTest, LineArtDiffusionMatchesTheReferenceOnNarrowAndShortImages) {
    Random random(1803);
    for (int32_t mode = 1; mode <= kLastDiffusionMode; ++mode) {
        for (const int32_t width : {1, 2, 3, 7, 13, 14, 15}) {
            for (const int32_t height : {0, 1, 2, 7, 8, 9, 15, 17}) {
                const RenderType type = test::LineArt(mode, DropoutColour::kNone);
                const int32_t threshold = random.Between(0, 255);
                const RenderedImage source = random.Image(width, height);
                const RenderedImage expected = test::ReferenceLineArt(source, type, threshold);
                const RenderedImage rendered = RenderLineArt(source.pixels.data(), source.rowBytes, width, height,
                                                             IdentityTables(), type, threshold);
                EXPECT_EQ(rendered.pixels, expected.pixels) << "mode " << mode << ", " << width << " x " << height;
            }
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
// run leaves behind (sharpening, which has its own checks, off).
TEST(FastPathEquivalenceTest, PipelineMatchesTheReferenceStepsForEveryTypeAndDisplay) {
    Random random(2018);
    std::vector<RenderType> types = {RenderType{}, RenderType{ColourClass::kGrey, 8, 0, DropoutColour::kGreen},
                                     RenderType{ColourClass::kColour, 8, 0, DropoutColour::kNone}};
    for (int32_t mode = 0; mode <= kLastHalftoneMode; ++mode) {
        types.push_back(test::LineArt(mode, mode % 2 == 0 ? DropoutColour::kNone : DropoutColour::kBlue));
    }
    for (const RenderType& type : types) {
        for (const DisplayKind display :
             {DisplayKind::kTrueColour, DisplayKind::kPalette, DisplayKind::kSixteenColours}) {
            const RenderedImage source = random.Image(random.Between(1, 90), random.Between(1, 9));
            const PackedDib preview = test::Preview(source.width, source.height, [&](int32_t x, int32_t y) {
                const uint8_t* p = test::PixelAt(const_cast<RenderedImage&>(source), x, y);
                return Bgr{p[0], p[1], p[2]};
            });
            PreviewAdjustments in;
            in.preview = preview;
            in.iproc = {random.Between(-20, 20),  random.Between(50, 200), random.Between(200, 255),
                        random.Between(0, 50),    random.Between(0, 255),  random.Between(0, 50),
                        random.Between(-100, 100)};
            in.toneMap = BuiltInToneMaps()[static_cast<size_t>(random.Between(0, 4))].toneMap;
            in.channelBalance = {0.05f, 0.0f, -0.04f};
            in.invert = random.Between(0, 1) == 1;
            in.colourMatching = random.Between(0, 1) == 1;
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
            if (display == DisplayKind::kSixteenColours) {
                RenderSixteenColours(expected, type);
            } else if (type.IsLineArt()) {
                expected = test::ReferenceLineArt(expected, type, in.iproc[iproc::kThreshold]);
            } else if (type.bitsPerPixel < 24 || display == DisplayKind::kPalette) {
                RenderColourOrGrey(expected, type, display == DisplayKind::kPalette);
            }
            EXPECT_EQ(rendering->image.pixels, expected.pixels);
            EXPECT_EQ(rendering->image.colours, expected.colours);
            EXPECT_EQ(rendering->image.rowBytes, expected.rowBytes);
        }
    }
}

// The pixels are mapped into a fresh buffer; the bytes that pad each row still come from the preview.
TEST(FastPathEquivalenceTest, TrueColourImageKeepsThePreviewsRowPadding) {
    Random random(5);
    const RenderedImage source = random.Image(5, 3);
    PackedDib preview = test::Preview(source.width, source.height, [&](int32_t x, int32_t y) {
        const uint8_t* p = test::PixelAt(const_cast<RenderedImage&>(source), x, y);
        return Bgr{p[0], p[1], p[2]};
    });
    for (int32_t y = 0; y < source.height; ++y) {
        preview[kInfoHeaderBytes + size_t{source.rowBytes} * y + 15] = static_cast<uint8_t>(0xA0 + y);
    }
    PreviewAdjustments in;
    in.preview = preview;
    in.toneMap = BuiltInToneMaps()[0].toneMap;
    ToneTables tables;
    const std::optional<PreviewRendering> rendering = RenderPreview(in, tables);
    ASSERT_TRUE(rendering);
    ASSERT_EQ(rendering->path, DisplayPath::kTrueColour);
    RenderedImage expected = source;
    test::ReferenceMap(expected, tables.displayTables, BuildPreviewColourMatrix(in.iproc[iproc::kSaturation], false));
    for (int32_t y = 0; y < source.height; ++y) {
        expected.pixels[size_t{source.rowBytes} * y + 15] = static_cast<uint8_t>(0xA0 + y);
    }
    EXPECT_EQ(rendering->image.pixels, expected.pixels);
}

}  // namespace
}  // namespace korva
