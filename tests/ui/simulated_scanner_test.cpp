// The module driven end to end by the simulated scanner LOMTWNS.DS: final scans of every image type,
// a scan of all marquees and a batch of saved settings leave their image files.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/mainwin/ocr_options.h"
#include "core/settings/settings_file.h"
#include "platform/win32/win32_services.h"
#include "tests/ui/support/module_harness.h"
#include "tests/ui/support/scan_marquee.h"
#include "tools/common/host_protocol.h"
#include "tools/common/library_entry.h"

namespace korva::test {
namespace {

namespace twain = korva::twain;

// Both pages at 300 dpi, the marquees of the last run kept, and `page` choosing the page and its image type.
std::string Basics(const std::string& page = "Tab Flag=0\r\n") {
    return "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n[Tab Setting]\r\nPhoto ResList=7\r\n"
           "Photo Resolution=300\r\nOCR ResList=7\r\nOCR Resolution=300\r\n" +
           page;
}

std::string ScanFolder() {
    return DriverFolder() + "\\SCANS";
}

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

uint32_t Le(const std::string& bytes, size_t offset, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(bytes.at(offset + i));
    }
    return value;
}

// Width, height and bits per pixel of a bitmap or TIFF file as the files state them.
struct ImageShape {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitsPerPixel = 0;
    bool operator==(const ImageShape&) const = default;
};

ImageShape ShapeOf(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    if (bytes.size() > 54 && bytes.substr(0, 2) == "BM") {
        return {Le(bytes, 18, 4), Le(bytes, 22, 4), Le(bytes, 28, 2)};
    }
    ImageShape shape;
    if (bytes.size() < 8 || bytes.substr(0, 4) != std::string("II*\0", 4)) {
        return shape;
    }
    const uint32_t directory = Le(bytes, 4, 4);
    uint32_t samples = 1;
    uint32_t bits = 0;
    for (uint32_t i = 0; i < Le(bytes, directory, 2); ++i) {
        const size_t entry = directory + 2 + i * 12;
        const uint32_t value = Le(bytes, entry + 4, 4) == 1
                                   ? Le(bytes, entry + 8, 2 + 2 * (Le(bytes, entry + 2, 2) == 4))
                                   : Le(bytes, Le(bytes, entry + 8, 4), 2);
        switch (Le(bytes, entry, 2)) {
            case 256:
                shape.width = value;
                break;
            case 257:
                shape.height = value;
                break;
            case 258:
                bits = value;
                break;
            case 277:
                samples = value;
                break;
            default:
                break;
        }
    }
    shape.bitsPerPixel = bits * samples;
    return shape;
}

// The simulated scanner as a host opens it: its user interface shown, every message offered to it.
class SimulatedScannerTest : public ::testing::Test {
  protected:
    // `sections` follow the simulator's section, which holds `simulatorKeys`; the marquees are restored
    // from the environment file.
    void Open(const std::string& sections, const std::string& simulatorKeys, const std::vector<Marquee>& marquees) {
        PrepareDriverFolder();
        const std::string driver = DriverFolder();
        for (const char* file : {"KVSCANUI.DLL", "LOMTWNS.DS"}) {
            ::CopyFileA((TestProgramFolder() + "\\" + file).c_str(), (driver + "\\" + file).c_str(), FALSE);
        }
        for (const std::string& name : ScannedImages()) {
            ::DeleteFileA((ScanFolder() + "\\" + name).c_str());
        }
        const std::string ini =
            "[QXTWAINds]\r\nVersion=1.10E\r\nQxtwain=\\TWAIN_32\\VELDRIX\r\n"
            "DataSource=\\LOMTWNS.DS\r\n[Simulator]\r\nDeepColor=1\r\n" +
            simulatorKeys + sections;
        HANDLE file = ::CreateFileA(IniFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, ini.data(), static_cast<DWORD>(ini.size()), &written, nullptr);
        ::CloseHandle(file);
        WriteSettingsFile(files_, driver + "\\SETTINGS\\ENV.stt", "Main", marquees, SettingsBlock{});

        parent_ =
            ::CreateWindowA("STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        source_ = ::LoadLibraryA((driver + "\\LOMTWNS.DS").c_str());
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

    Win32FileSystem files_;
    HWND parent_ = nullptr;
    HMODULE source_ = nullptr;
    twain::EntryProc entry_ = nullptr;
    bool enabled_ = false;
    HWND main_ = nullptr;
};

// The image types the pages choose, and the bits per pixel of their files: colour and black-and-white
// photos on the Photo page, line art with a threshold on the OCR page.
struct PageType {
    const char* name;
    const char* keys;
    int32_t imageType;  // the marquee carries its page's image type: a marquee's own settings are scanned
    uint32_t bitsPerPixel;
};

void PrintTo(const PageType& type, std::ostream* out) {
    *out << type.name;
}

class ImageTypeScanTest : public SimulatedScannerTest, public ::testing::WithParamInterface<PageType> {};

TEST_P(ImageTypeScanTest, AFinalScanOfATwoInchMarqueeAt300DpiGivesA600PixelSquareOfItsType) {
    Open(Basics(GetParam().keys), {}, {TwoInchMarquee(1000, GetParam().imageType)});
    Command(1);
    Pump(5000, 1);
    const std::vector<std::string> images = ScannedImages();
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(ShapeOf(ScanFolder() + "\\" + images[0]), (ImageShape{600, 600, GetParam().bitsPerPixel}));
    EXPECT_NE(ReadBytes(ScanFolder() + "\\SCAN0001.TXT").find("dpi=300"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pages,
                         ImageTypeScanTest,
                         ::testing::Values(PageType{"ColourPhoto", "Tab Flag=0\r\nColor Selection=990\r\n", 1, 24},
                                           PageType{"GreyPhoto", "Tab Flag=0\r\nColor Selection=991\r\n", 4, 8},
                                           PageType{"LineArt", "Tab Flag=1\r\nBlackWhite Option=982\r\n",
                                                    kLineArtImageType, 1}),
                         [](const ::testing::TestParamInfo<PageType>& info) { return std::string(info.param.name); });

TEST_F(SimulatedScannerTest, AScanOfAllMarqueesWritesOneImagePerMarquee) {
    Open(Basics(), {}, {TwoInchMarquee(1000, 1), TwoInchMarquee(4000, 4)});
    Command(729);
    Pump(10000, 2);
    Pump(300);
    EXPECT_EQ(ScannedImages().size(), 2u);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(main_, 1)));  // not busy any more
}

TEST_F(SimulatedScannerTest, ABatchOfTwoSavedSettingsWritesTheirImagesInsteadOfTheMarquees) {
    SettingsBlock page;
    page.scanResolution = 100;
    page.imageType = 4;
    page.selectionWidth = 100;
    page.selectionHeight = 150;
    const Marquee saved[] = {TwoInchMarquee(0, 5)};
    Open(Basics(), {}, {TwoInchMarquee(1000, 1), TwoInchMarquee(4000, 1), TwoInchMarquee(5000, 1)});
    ASSERT_TRUE(WriteSettingsFile(files_, DriverFolder() + "\\SETTINGS\\ENV0000.set", "line art", saved, {}));
    ASSERT_TRUE(WriteSettingsFile(files_, DriverFolder() + "\\SETTINGS\\ENV0001.set", "page", {}, page));
    // The keys as the saved-settings dialog writes them after it has sent the scan command.
    Command(729);
    ::WritePrivateProfileStringA("BatchMode", "total", "2", IniFile().c_str());
    ::WritePrivateProfileStringA("BatchMode", "Batch 0", "ENV0000", IniFile().c_str());
    ::WritePrivateProfileStringA("BatchMode", "Batch 1", "ENV0001", IniFile().c_str());
    Pump(10000, 2);
    Pump(500);
    const std::vector<std::string> images = ScannedImages();
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(ShapeOf(ScanFolder() + "\\SCAN0001.BMP"), (ImageShape{600, 600, 1}));
    EXPECT_EQ(ShapeOf(ScanFolder() + "\\SCAN0002.BMP"), (ImageShape{100, 150, 8}));
    char total[8] = {};
    ::GetPrivateProfileStringA("BatchMode", "total", "", total, sizeof total, IniFile().c_str());
    EXPECT_STREQ(total, "0");
}

TEST_F(SimulatedScannerTest, APreviewFailsWhileTheLampIsOff) {
    Open(Basics(), "LampOff=1\r\n", {});
    Command(733);
    Pump(300);
    EXPECT_EQ(::GetFileAttributesA((DriverFolder() + "\\PREVIB7.BMP").c_str()), INVALID_FILE_ATTRIBUTES);
    ::WritePrivateProfileStringA("Simulator", "LampOff", "0", IniFile().c_str());
    Command(733);
    Pump(300);
    EXPECT_NE(::GetFileAttributesA((DriverFolder() + "\\PREVIB7.BMP").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace korva::test
