#include "core/filter/filter_engine.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "filter/filter_test_image.h"

namespace korva {
namespace {

using testing::FilterTestImage;
using testing::ReferenceFilter;

constexpr std::array<uint16_t, 4> kFormats = {8, 12, 24, 36};
constexpr std::array<uint8_t, 3> kModes = {kFilterUnsharpMask, kFilterSmooth, kFilterLuminanceUnsharpMask};

// Filters the whole image as one band into a new image (all samples 0xA5 before), or in place.
FilterTestImage FilterWhole(FilterTestImage& image, uint8_t mode, const FilterParams& params, bool inPlace) {
    FilterTestImage out(image.bitsPerPixel, image.width, image.height);
    FilterEngine engine(image.Geometry(), params, mode);
    FilterBand output{inPlace ? image.Line(0) : out.Line(0), 0, 0, 0, 0};
    EXPECT_EQ(engine.Process(image.Band(0, image.height), output), kFilterOk);
    EXPECT_EQ(output.lines, image.height);
    EXPECT_EQ(output.rowBytes, image.rowBytes);
    return inPlace ? image : out;
}

// Filters into a new image in bands: a first band of 2r + 1 to 2r + 6 lines, then 1 to 9 at a time.
template <class Between>
FilterTestImage FilterInBands(FilterTestImage& image, uint8_t mode, const FilterParams& params, Between& between) {
    const uint32_t r = FilterSizeClass(params.kernelSize);
    FilterTestImage out(image.bitsPerPixel, image.width, image.height);
    FilterEngine engine(image.Geometry(), params, mode);
    uint32_t received = 0;
    uint32_t produced = 0;
    while (received < image.height) {
        const uint32_t lines =
            std::min(received == 0 ? between(2 * r + 1, 2 * r + 6) : between(1, 9), image.height - received);
        FilterBand output{out.Line(produced), 0, 0, 0, 0};
        EXPECT_EQ(engine.Process(image.Band(received, lines), output), kFilterOk);
        received += lines;
        const bool first = produced == 0;
        const bool last = received == image.height;
        EXPECT_EQ(output.lines, first ? (last ? lines : lines - r) : (last ? lines + r : lines));
        produced += output.lines;
    }
    EXPECT_EQ(produced, image.height);
    return out;
}

TEST(FilterWeightsTest, ClassesFollowTheKernelSize) {
    const std::vector<std::pair<uint32_t, uint32_t>> classes = {{3, 1},  {8, 1},  {9, 2},  {14, 2},
                                                                {15, 3}, {21, 3}, {22, 4}, {30, 4}};
    for (const auto& [size, sizeClass] : classes) {
        FilterEngine engine(FilterTestImage(8, 4, 4).Geometry(), {100, size, 0}, kFilterUnsharpMask);
        EXPECT_EQ(engine.SizeClass(), sizeClass) << size;
    }
    EXPECT_EQ(FilterGroup(-2, 1), 4);
    EXPECT_EQ(FilterGroup(4, -3), 13);
}

TEST(FilterEngineTest, StatusesReportBadParametersShortFirstBandsAndUnknownFormats) {
    FilterTestImage image(24, 6, 10);
    FilterTestImage out = image;
    auto run = [&](const FilterParams& params, uint8_t mode, uint32_t lines) {
        FilterEngine engine(image.Geometry(), params, mode);
        FilterBand output{out.Line(0), 0, 0, 0, 0};
        return engine.Process(image.Band(0, lines), output);
    };
    EXPECT_EQ(run({100, 2, 0}, kFilterUnsharpMask, 10), kFilterBadParameter);
    EXPECT_EQ(run({100, 31, 0}, kFilterSmooth, 10), kFilterBadParameter);
    EXPECT_EQ(run({501, 8, 0}, kFilterUnsharpMask, 10), kFilterBadParameter);
    EXPECT_EQ(run({100, 8, 256}, kFilterLuminanceUnsharpMask, 10), kFilterBadParameter);
    EXPECT_EQ(run({501, 8, 256}, kFilterSmooth, 10), kFilterOk);
    EXPECT_EQ(run({100, 8, 0}, 4, 10), kFilterBadParameter);
    EXPECT_EQ(run({500, 8, 255}, kFilterUnsharpMask, 10), kFilterOk);

    // Size 9 (r = 2, L = 4): a first band of 4 lines is refused and not counted, 5 are accepted.
    FilterEngine engine(image.Geometry(), {100, 9, 0}, kFilterUnsharpMask);
    FilterBand output{out.Line(0), 0, 0, 0, 0};
    EXPECT_EQ(engine.Process(image.Band(0, 4), output), kFilterShortFirstBand);
    EXPECT_EQ(output.lines, 0u);
    EXPECT_EQ(engine.Process(image.Band(0, 5), output), kFilterOk);
    EXPECT_EQ(output.lines, 3u);
    EXPECT_EQ(engine.Process(image.Band(5, 5), output), kFilterOk);
    EXPECT_EQ(output.lines, 7u);

    FilterTestImage grey16(12, 6, 10);
    FilterBand odd = grey16.Band(0, 10);
    odd.bitsPerPixel = 16;
    FilterEngine oddEngine(grey16.Geometry(), {100, 8, 0}, kFilterSmooth);
    EXPECT_EQ(oddEngine.Process(odd, output), kFilterNoMemory);
}

TEST(FilterEngineTest, PreviewSharpenMatchesHandComputedPixels) {
    // Level 50 with one pixel at 100: S = 256 c + 128 (edge neighbours) + 64 (diagonal neighbours).
    FilterTestImage image(24, 5, 5);
    std::mt19937 random;
    image.Randomise(random, 50, 50);
    for (int c = 0; c < 3; ++c) {
        image.SetSample(2, 2, c, 100);
    }
    const FilterTestImage out = FilterWhole(image, kFilterUnsharpMask, {200, 8, 3}, true);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(out.Sample(2, 2, c), 173u);  // A = 62, d = 76, 100 + 76 - 3
        EXPECT_EQ(out.Sample(3, 2, c), 41u);   // A = 56, d = -12, 50 - 12 + 3
        EXPECT_EQ(out.Sample(3, 3, c), 47u);   // A = 53, d = -6, 50 - 6 + 3
        EXPECT_EQ(out.Sample(0, 0, c), 50u);
    }
}

// Every format, kernel size and mode; 16-bit samples go up to 300, which the kernels count as 255 like the
// reference. A uniform image must stay as it is (a divisor that is not the weighted member count shows);
// random images 1 pixel, r pixels, just and randomly wide, filtered whole, in place and in bands of random
// heights, must give the direct window sum.
TEST(FilterEngineTest, EveryFormatSizeAndModeMatchesTheDirectWindowSum) {
    std::mt19937 random(2024);
    const auto between = [&](uint32_t low, uint32_t high) {
        return std::uniform_int_distribution<uint32_t>(low, high)(random);
    };
    for (uint16_t bits : kFormats) {
        for (uint32_t size = kFilterMinKernelSize; size <= kFilterMaxKernelSize; ++size) {
            const uint32_t r = FilterSizeClass(size);
            for (uint8_t mode : kModes) {
                SCOPED_TRACE(::testing::Message() << "bits " << bits << " size " << size << " mode " << int{mode});
                FilterTestImage uniform(bits, 11, 2 * r + 3);
                uniform.Randomise(random, 201, 201);
                EXPECT_TRUE(FilterWhole(uniform, mode, {500, size, 0}, false).SamePixels(uniform));

                for (const uint32_t width : {1u, r, 2 * r + 1, between(1, 45)}) {
                    SCOPED_TRACE(::testing::Message() << "width " << width);
                    FilterTestImage image(bits, width, between(2 * r + 1, 30));
                    image.Randomise(random, 0, image.Wide() ? 300 : 255);
                    const FilterParams params{between(0, 3) == 0 ? 0 : between(0, kFilterMaxAmount), size,
                                              between(0, kFilterMaxThreshold) / (between(0, 1) ? 1 : 16)};
                    const FilterTestImage expected = ReferenceFilter(image, mode, params);
                    ASSERT_TRUE(FilterInBands(image, mode, params, between).SamePixels(expected)) << "in bands";
                    ASSERT_TRUE(FilterWhole(image, mode, params, false).SamePixels(expected)) << "whole";
                    ASSERT_TRUE(FilterWhole(image, mode, params, true).SamePixels(expected)) << "in place";
                }
            }
        }
    }
}

}  // namespace
}  // namespace korva
