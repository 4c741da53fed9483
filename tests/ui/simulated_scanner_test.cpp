// The module driven end to end by the simulated scanner LOMTWNS.DS, called without a source manager: a
// preview, a scan of all marquees and a batch of saved settings leave their image files.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/mainwin/ocr_options.h"
#include "tests/ui/support/simulator.h"
#include "tools/common/host_protocol.h"
#include "tools/common/library_entry.h"

namespace korva::test {
namespace {

namespace twain = korva::twain;

std::string ScanFolder() {
    return DriverFolder() + "\\SCANS";
}

// The scanned image files, without the text files beside them.
std::vector<std::string> ScannedImages() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((ScanFolder() + "\\SCAN*.*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name.size() > 4 && name.substr(name.size() - 4) != ".TXT") {
                names.push_back(name);
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    return names;
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    bytes.resize(::GetFileSize(file, nullptr));
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    return bytes;
}

// Width, height and bits per pixel as a bitmap file states them.
struct ImageShape {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitsPerPixel = 0;
    bool operator==(const ImageShape&) const = default;
};

ImageShape ShapeOf(const std::string& name) {
    const std::string bytes = ReadBytes(ScanFolder() + "\\" + name);
    if (bytes.size() <= 54 || bytes.substr(0, 2) != "BM") {
        return {};
    }
    const auto le = [&](size_t offset, int width) {
        uint32_t value = 0;
        for (int i = width - 1; i >= 0; --i) {
            value = value << 8 | static_cast<uint8_t>(bytes[offset + i]);
        }
        return value;
    };
    return {le(18, 4), le(22, 4), le(28, 2)};
}

// The simulated scanner as a host opens it: its user interface shown, every message offered to it.
class SimulatedScannerTest : public ::testing::Test {
  protected:
    void Open(const std::vector<Marquee>& marquees) {
        InstallSimulator(kSimulatorSettings, marquees);
        for (const std::string& name : ScannedImages()) {
            ::DeleteFileA((ScanFolder() + "\\" + name).c_str());
        }
        parent_ =
            ::CreateWindowA("STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        source_ = ::LoadLibraryA((DriverFolder() + "\\LOMTWNS.DS").c_str());
        ASSERT_NE(source_, nullptr);
        entry_ = tools::LibraryEntry<twain::EntryProc>(source_, "DS_Entry");
        ASSERT_NE(entry_, nullptr);
        ASSERT_EQ(Call(twain::kDatIdentity, twain::kMsgOpenDs, nullptr), twain::kRcSuccess);
        twain::UserInterface ui;
        ui.parent = parent_;
        ASSERT_EQ(Call(twain::kDatUserInterface, twain::kMsgEnableDs, &ui), twain::kRcSuccess);
        enabled_ = true;
        main_ = ::FindWindowA(nullptr, "KORVA Quorra Scan SF");
        ASSERT_NE(main_, nullptr);
        Pump(200);
    }

    void TearDown() override {
        if (enabled_) {
            Call(twain::kDatUserInterface, twain::kMsgDisableDs, nullptr);
            Call(twain::kDatIdentity, twain::kMsgCloseDs, nullptr);
        }
        if (source_) {
            ::FreeLibrary(source_);
        }
        if (parent_) {
            ::DestroyWindow(parent_);
        }
    }

    static std::string IniFile() { return DriverFolder() + "\\LOMTWNS.ini"; }

    uint16_t Call(uint16_t dat, uint16_t msg, void* data) {
        return entry_(nullptr, twain::kGroupControl, dat, msg, data);
    }

    // Runs the message loop as the host does for `ms` milliseconds, or until `images` image files exist.
    void Pump(DWORD ms, size_t images = SIZE_MAX) {
        const DWORD end = ::GetTickCount() + ms;
        while (::GetTickCount() < end && ScannedImages().size() < images) {
            MSG message;
            while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                twain::Event event{&message};
                if (Call(twain::kDatEvent, twain::kMsgProcessEvent, &event) != twain::kRcDsEvent) {
                    ::TranslateMessage(&message);
                    ::DispatchMessageA(&message);
                }
            }
            ::Sleep(10);
        }
    }

    void Command(int id) { ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    HWND parent_ = nullptr;
    HMODULE source_ = nullptr;
    twain::EntryProc entry_ = nullptr;
    bool enabled_ = false;
    HWND main_ = nullptr;
};

// Each marquee is scanned with its own image type: colour, 256 greys and line art give 24, 8 and 1 bits.
TEST_F(SimulatedScannerTest, AScanOfAllMarqueesWritesOneImagePerMarqueeOfItsTypeAndAPreviewItsFile) {
    Open({TwoInchMarquee(1000, 1), TwoInchMarquee(4000, 4), TwoInchMarquee(6000, kLineArtImageType)});
    Command(729);
    Pump(15000, 3);
    Pump(300);
    std::vector<uint32_t> bits;
    for (const std::string& name : ScannedImages()) {
        const ImageShape shape = ShapeOf(name);
        EXPECT_EQ(shape.width, 600u) << name;  // two inches at 300 dpi
        EXPECT_EQ(shape.height, 600u) << name;
        bits.push_back(shape.bitsPerPixel);
    }
    std::sort(bits.begin(), bits.end());
    EXPECT_EQ(bits, (std::vector<uint32_t>{1, 8, 24}));
    EXPECT_NE(ReadBytes(ScanFolder() + "\\SCAN0001.TXT").find("dpi=300"), std::string::npos);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(main_, 1)));  // not busy any more
    Command(733);
    Pump(300);
    EXPECT_NE(::GetFileAttributesA((DriverFolder() + "\\PREVIB7.BMP").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SimulatedScannerTest, ABatchOfTwoSavedSettingsWritesTheirImagesInsteadOfTheMarquees) {
    SettingsBlock page;
    page.scanResolution = 100;
    page.imageType = 4;
    page.selectionWidth = 100;
    page.selectionHeight = 150;
    const Marquee saved[] = {TwoInchMarquee(0, kLineArtImageType)};
    Open({TwoInchMarquee(1000, 1), TwoInchMarquee(4000, 1), TwoInchMarquee(5000, 1)});
    Win32FileSystem files;
    ASSERT_TRUE(WriteSettingsFile(files, DriverFolder() + "\\SETTINGS\\ENV0000.set", "line art", saved, {}));
    ASSERT_TRUE(WriteSettingsFile(files, DriverFolder() + "\\SETTINGS\\ENV0001.set", "page", {}, page));
    // The keys as the saved-settings dialog writes them after it has sent the scan command.
    Command(729);
    ::WritePrivateProfileStringA("BatchMode", "total", "2", IniFile().c_str());
    ::WritePrivateProfileStringA("BatchMode", "Batch 0", "ENV0000", IniFile().c_str());
    ::WritePrivateProfileStringA("BatchMode", "Batch 1", "ENV0001", IniFile().c_str());
    Pump(10000, 2);
    Pump(500);
    ASSERT_EQ(ScannedImages().size(), 2u);
    EXPECT_EQ(ShapeOf("SCAN0001.BMP"), (ImageShape{600, 600, 1}));
    EXPECT_EQ(ShapeOf("SCAN0002.BMP"), (ImageShape{100, 150, 8}));
    char total[8] = {};
    ::GetPrivateProfileStringA("BatchMode", "total", "", total, sizeof total, IniFile().c_str());
    EXPECT_STREQ(total, "0");
}

}  // namespace
}  // namespace korva::test
