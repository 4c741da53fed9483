// The whole repaint of the preview pane, timed under Wine: the adjustment pipeline on the 1024 x 1400
// preview, the info header, and the 1:1 draw with SetDIBitsToDevice into a bitmap of the screen's format
// (every pixel converted, none clipped away). There is no Google Benchmark for this target, so the
// program times itself and prints the same JSON shape for scripts/bench.sh.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "../bench_support.h"
#include "core/imaging/preview_pipeline.h"

namespace korva {
namespace {

constexpr int kRepaints = 40;
constexpr double kRepaintMilliseconds = 33.0;

// One repaint as the pane does it; false when the pipeline or the draw failed.
bool Repaint(HDC dc, const PreviewAdjustments& in, ToneTables& tables) {
    std::optional<PreviewRendering> rendering = RenderPreview(in, tables);
    if (!rendering) {
        return false;
    }
    const RenderedImage& image = rendering->image;
    const std::vector<uint8_t> header = InfoHeaderWithColours(image);
    const int lines = ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(image.width), static_cast<DWORD>(image.height),
                                          0, 0, 0, static_cast<UINT>(image.height), image.pixels.data(),
                                          reinterpret_cast<const BITMAPINFO*>(header.data()), DIB_RGB_COLORS);
    return ::GdiFlush() && lines == image.height;
}

int Run() {
    const PackedDib preview = bench::PhotoLikePreview();
    HDC screen = ::GetDC(nullptr);
    const bool trueColour = ::GetDeviceCaps(screen, BITSPIXEL) * ::GetDeviceCaps(screen, PLANES) > 8;
    const PreviewAdjustments in =
        bench::BenchAdjustments(preview, RenderType{}, trueColour ? DisplayKind::kTrueColour : DisplayKind::kPalette);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, bench::kPreviewWidth, bench::kPreviewHeight);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ToneTables tables;
    bench::FastestRun run;
    bool drawn = true;
    for (int i = 0; i < kRepaints && drawn; ++i) {
        run.Time([&] { drawn = Repaint(memory, in, tables); });
    }
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    if (!drawn) {
        std::fprintf(stderr, "the repaint failed\n");
        return 1;
    }
    std::printf(
        "{\n  \"benchmarks\": [\n    {\"name\": \"PaneRepaint\", \"label\": \"pane repaint under Wine, ms\", "
        "\"value\": %.3f, \"target\": %.1f, \"lower_is_better\": 1}\n  ]\n}\n",
        run.Milliseconds(), kRepaintMilliseconds);
    return 0;
}

}  // namespace
}  // namespace korva

int main() {
    return korva::Run();
}
