// Our preview pipeline and OpenCV's classic equivalent side by side on the same generated preview, in one
// process and on one thread: a lookup table per channel, a 3 x 3 colour transform and a 3 x 3 binomial
// blur with a weighted add for the sharpening. Each case times both alternately and reports the ratio of
// their fastest runs.
#include <benchmark/benchmark.h>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <cstdint>

#include "../bench_support.h"
#include "../target_report.h"
#include "core/filter/colour_matrix.h"
#include "core/imaging/preview_pipeline.h"

namespace korva {
namespace {

constexpr double kColourRatio = 1.0;
constexpr double kPaletteDisplayRatio = 1.1;
constexpr double kSharpenAmount = 2.0;

// The classic pipeline with the same tables and matrix, into buffers made once.
class OpenCvPipeline {
  public:
    OpenCvPipeline(const PackedDib& preview, const ToneTables& tables, const ColourMatrix& matrix)
        : source_(bench::kPreviewHeight,
                  bench::kPreviewWidth,
                  CV_8UC3,
                  const_cast<uint8_t*>(preview.data() + kInfoHeaderBytes),
                  Stride24(bench::kPreviewWidth)),
          lut_(1, 256, CV_8UC3),
          transform_(3, 3, CV_32F) {
        for (int v = 0; v < 256; ++v) {
            lut_.at<cv::Vec3b>(0, v) = cv::Vec3b(tables.displayTables[kChannelBlue][static_cast<size_t>(v)],
                                                 tables.displayTables[kChannelGreen][static_cast<size_t>(v)],
                                                 tables.displayTables[kChannelRed][static_cast<size_t>(v)]);
        }
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                transform_.at<float>(i, j) =
                    static_cast<float>(matrix[static_cast<size_t>(i)][static_cast<size_t>(j)]) / 50.0f;
            }
        }
    }

    void Run() {
        cv::LUT(source_, lut_, mapped_);
        cv::transform(mapped_, transformed_, transform_);
        cv::GaussianBlur(transformed_, blurred_, cv::Size(3, 3), 0);
        cv::addWeighted(transformed_, 1.0 + kSharpenAmount, blurred_, -kSharpenAmount, 0, sharpened_);
        benchmark::DoNotOptimize(sharpened_.data);
        benchmark::ClobberMemory();
    }

  private:
    cv::Mat source_;
    cv::Mat lut_;
    cv::Mat transform_;
    cv::Mat mapped_;
    cv::Mat transformed_;
    cv::Mat blurred_;
    cv::Mat sharpened_;
};

void Compare(benchmark::State& state, DisplayKind display, const char* description, double target) {
    cv::setNumThreads(1);
    const PackedDib preview = bench::PhotoLikePreview();
    const PreviewAdjustments in = bench::BenchAdjustments(preview, RenderType{}, display);
    ToneTables tables;
    RenderPreview(in, tables);
    OpenCvPipeline classic(preview, tables, BuildPreviewColourMatrix(in.iproc[iproc::kSaturation], false));
    bench::FastestRun ours;
    bench::FastestRun theirs;
    for (auto _ : state) {
        ours.Time([&] {
            auto rendering = RenderPreview(in, tables);
            benchmark::DoNotOptimize(rendering->image.pixels.data());
            benchmark::ClobberMemory();
        });
        theirs.Time([&] { classic.Run(); });
    }
    state.counters["ours_ms"] = ours.Milliseconds();
    state.counters["opencv_ms"] = theirs.Milliseconds();
    bench::ReportTarget(state, description, ours.Milliseconds() / theirs.Milliseconds(), target, true);
}

void BM_ColourPipelineVersusOpenCv(benchmark::State& state) {
    Compare(state, DisplayKind::kTrueColour, "colour pipeline / OpenCV classic, ratio", kColourRatio);
}
void BM_PaletteDisplayPipelineVersusOpenCv(benchmark::State& state) {
    Compare(state, DisplayKind::kPalette, "palette-display pipeline / OpenCV classic, ratio", kPaletteDisplayRatio);
}

BENCHMARK(BM_ColourPipelineVersusOpenCv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaletteDisplayPipelineVersusOpenCv)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korva
