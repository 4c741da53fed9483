// Colour matching of the preview through the real module and the real colour-matching runtime: with
// "Windows 95 ICM" on and a 24-bit colour type the pane shows the runtime's conversion of the picture, for
// the device's own model names only.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/imaging/rendered_image.h"
#include "core/preview/image_files.h"
#include "core/preview/packed_dib.h"
#include "platform/win32/win32_services.h"
#include "tests/ui/support/main_window_fixture.h"

namespace korva::test {
namespace {

using DoColorMatch2Proc = BOOL(WINAPI*)(HDC, const BITMAPINFOHEADER*, BYTE*, const char*, const char*, DWORD);

// Four stripes of 85 pixels across a 340 × 440 preview, in colours the scanner profile moves visibly.
constexpr std::array<COLORREF, 4> kStripes = {RGB(220, 40, 40), RGB(40, 190, 40), RGB(30, 60, 200), RGB(230, 220, 40)};
constexpr int kStripeWidth = 85;
constexpr int kSampleY = 220;

constexpr char kColourPreview[] =
    "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\nLastPreview=0\r\nSrc Size=1024\r\nWindows 95 ICM=1\r\n"
    "ICM Profile=0\r\n[ImageSetting]\r\nxScan=850\r\nyScan=1100\r\n";

void WriteStripedPreview() {
    PackedDib image = MakePackedDib24(340, 440);
    const uint32_t stride = PaddedRowBytes(340, 24);
    for (uint32_t row = 0; row < 440; ++row) {
        for (uint32_t x = 0; x < 340; ++x) {
            const COLORREF colour = kStripes[x / kStripeWidth];
            uint8_t* pixel = image.data() + kInfoHeaderBytes + row * stride + x * 3;
            pixel[0] = GetBValue(colour);
            pixel[1] = GetGValue(colour);
            pixel[2] = GetRValue(colour);
        }
    }
    Win32FileSystem files;
    WriteImageFile(files, DriverFolder() + kPreviewImageFile, image);
}

// Installs the profiles into the Windows directory's "\system\color\", as the driver's installer does.
void InstallProfiles() {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string folder = std::string(windows) + "\\system\\color";
    ::CreateDirectoryA((std::string(windows) + "\\system").c_str(), nullptr);
    ::CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : {"qa4100r.icm", "mrd512r.icm", "mon17k65.icm"}) {
        ::CopyFileA((TestProgramFolder() + "\\" + name).c_str(), (folder + "\\" + name).c_str(), FALSE);
    }
}

class ColourMatchTest : public MainWindowTest {
  protected:
    // Starts with the striped preview and `iniBody`; `beforeActivation` runs before the module loads the
    // runtime.
    void StartWith(const std::string& iniBody, const std::function<void()>& beforeActivation = {}) {
        InstallProfiles();
        ASSERT_NE(Start(iniBody, 2,
                        [&] {
                            WriteStripedPreview();
                            if (beforeActivation) {
                                beforeActivation();
                            }
                        }),
                  nullptr);
        pane_ = ::FindWindowExA(main_, nullptr, "PREVIEW", nullptr);
        ASSERT_NE(pane_, nullptr);
    }

    // The pane's colour at the middle of each stripe, drawn again for the model name `model`.
    std::vector<COLORREF> StripesAs(const char* model) {
        // Written as the data source writes it: all eight bytes of the field, without a terminator when full.
        const std::string name(model);
        uint8_t* field = Harness().Context() + ctx::modelName.offset;
        std::fill(field, field + ctx::modelName.count, uint8_t{0});
        std::copy(name.begin(), name.begin() + std::min<size_t>(name.size(), ctx::modelName.count), field);
        ::RedrawWindow(pane_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = ::GetDC(pane_);
        std::vector<COLORREF> colours;
        for (size_t i = 0; i < kStripes.size(); ++i) {
            colours.push_back(::GetPixel(dc, static_cast<int>(i) * kStripeWidth + kStripeWidth / 2, kSampleY));
        }
        ::ReleaseDC(pane_, dc);
        return colours;
    }

    HWND pane_ = nullptr;
};

// The runtime's own conversion of a row of colours.
std::vector<COLORREF> RuntimeConversion(const std::vector<COLORREF>& colours) {
    HMODULE runtime = ::LoadLibraryA((TestProgramFolder() + "\\CXMRUN2A.DLL").c_str());
    auto match = reinterpret_cast<DoColorMatch2Proc>(
        reinterpret_cast<void*>(runtime ? ::GetProcAddress(runtime, "DoColorMatch2") : nullptr));
    if (!match) {
        return {};
    }
    PackedDib row = MakePackedDib24(static_cast<int>(colours.size()), 1);
    BYTE* pixels = row.data() + kInfoHeaderBytes;
    for (size_t i = 0; i < colours.size(); ++i) {
        pixels[i * 3] = GetBValue(colours[i]);
        pixels[i * 3 + 1] = GetGValue(colours[i]);
        pixels[i * 3 + 2] = GetRValue(colours[i]);
    }
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(row.data());
    const BOOL converted = match(nullptr, header, pixels, "qa4100r.icm", nullptr, 0x10003);
    ::FreeLibrary(runtime);
    std::vector<COLORREF> result;
    for (size_t i = 0; converted && i < colours.size(); ++i) {
        result.push_back(RGB(pixels[i * 3 + 2], pixels[i * 3 + 1], pixels[i * 3]));
    }
    return result;
}

TEST_F(ColourMatchTest, TheDeviceWordsOfAColourTypeGetTheRuntimesConversionAndTheFinalScanCarriesTheChoice) {
    StartWith(kColourPreview);
    const std::vector<COLORREF> unmatched = StripesAs("QA4100");
    const std::vector<COLORREF> converted = RuntimeConversion(unmatched);
    ASSERT_EQ(converted.size(), kStripes.size());
    EXPECT_NE(converted, unmatched);
    EXPECT_EQ(StripesAs("TORVALE"), converted);
    EXPECT_EQ(StripesAs("Meridia"), converted);
    // The comparison is exact: a trailing blank is another model, drawn unmatched.
    EXPECT_EQ(StripesAs("TORVALE "), unmatched);

    Click(main_, 1);
    ASSERT_STREQ(Harness().recording.calls(), "UIFinalScan");
    const SourceContext block = Snapshot(Harness(), 0);
    EXPECT_EQ(block.Get(ctx::colorMatchActive), 1);
    EXPECT_EQ(block.Get(ctx::colorMatchMode), 1);
    EXPECT_EQ(block.Text(ctx::profileName), "qa4100r.icm");

    // A grey type is never matched.
    ::SendDlgItemMessageA(VisiblePageWith(main_, 991), 991, BM_CLICK, 0, 0);
    const std::vector<COLORREF> grey = StripesAs("QA4100");
    EXPECT_EQ(StripesAs("TORVALE"), grey);
    Click(main_, 1);
    ASSERT_STREQ(Harness().recording.calls(), "UIFinalScan UIFinalScan");
    EXPECT_EQ(Snapshot(Harness(), 1).Get(ctx::colorMatchActive), 0);
}

TEST_F(ColourMatchTest, ARuntimeWithoutItsEntryDrawsNoPreview) {
    HMODULE broken = nullptr;
    // Loaded first, this runtime is the one the module gets when it asks for "CXMRUN2A.DLL".
    StartWith(kColourPreview,
              [&] { broken = ::LoadLibraryA((TestProgramFolder() + "\\noentry\\CXMRUN2A.DLL").c_str()); });
    ASSERT_NE(broken, nullptr);
    const std::vector<COLORREF> white(kStripes.size(), RGB(255, 255, 255));
    EXPECT_EQ(StripesAs("TORVALE"), white);
    // Other models are looked up the same way: no entry, no picture.
    EXPECT_EQ(StripesAs("QA4100"), white);
}

}  // namespace
}  // namespace korva::test
