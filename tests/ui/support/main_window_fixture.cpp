#include "tests/ui/support/main_window_fixture.h"

#include <cstring>
#include <vector>

#include "core/preview/image_files.h"
#include "core/settings/settings_file.h"
#include "platform/win32/win32_services.h"

namespace korva::test {
namespace {

struct PageSearch {
    int id;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK FindPage(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<PageSearch*>(data);
    if (::GetDlgItem(child, search->id) && (!search->visibleOnly || ::IsWindowVisible(child))) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

HWND FindPageWith(HWND main, int id, bool visibleOnly) {
    PageSearch search{id, visibleOnly, nullptr};
    ::EnumChildWindows(main, FindPage, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND VisiblePageWith(HWND main, int id) {
    return FindPageWith(main, id, true);
}

HWND PageWith(HWND main, int id) {
    return FindPageWith(main, id, false);
}

std::string IniPath() {
    return DriverFolder() + "\\LOMTWNS.ini";
}

std::string IniValue(const std::string& section, const std::string& key) {
    char value[256] = {};
    ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "<missing>", value, sizeof value, IniPath().c_str());
    return value;
}

void WritePreviewFile(int width, int height) {
    PackedDib image = MakePackedDib24(width, height);
    std::fill(image.begin() + kInfoHeaderBytes, image.end(), uint8_t{0xFF});
    Win32FileSystem files;
    WriteImageFile(files, DriverFolder() + kPreviewImageFile, image);
}

void Click(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void BringToFront(ModuleHarness& harness, HWND window) {
    for (int i = 0; i < 50 && ::GetActiveWindow() != window; ++i) {
        ::SetForegroundWindow(window);
        ::Sleep(10);
        harness.Pump();
    }
    ASSERT_EQ(::GetActiveWindow(), window);
}

void PlacePointer(ModuleHarness& harness, HWND window, int x, int y) {
    POINT target{x, y};
    ::ClientToScreen(window, &target);
    const auto there = [&] {
        POINT at{};
        return ::GetCursorPos(&at) && at.x == target.x && at.y == target.y;
    };
    int steady = 0;
    for (int i = 0; i < 50 && steady < 2; ++i) {
        if (!there()) {
            ::SetCursorPos(target.x, target.y);
            steady = 0;
        }
        ::Sleep(5);
        harness.Pump();
        steady = there() ? steady + 1 : 0;
    }
    ASSERT_TRUE(there());
}

std::string EnvironmentFile() {
    return DriverFolder() + "\\SETTINGS\\ENV.stt";
}

void WriteEnvironmentFile(std::initializer_list<Rect> documents) {
    std::vector<Marquee> marquees;
    for (const Rect& document : documents) {
        // A 24-bit colour photo at 300 dpi, as the Photo page makes it: a marquee's own settings come into
        // force when it becomes current.
        Marquee marquee;
        marquee.document = document;
        marquee.settings.imageType = 1;
        marquee.settings.scanResolution = 300;
        marquee.settings.scalePercent = 100;
        marquee.settings.gamma = 100;
        marquee.settings.threshold = 128;
        marquees.push_back(marquee);
    }
    WriteEnvironmentFile(marquees);
}

void WriteEnvironmentFile(const std::vector<Marquee>& marquees) {
    ::CreateDirectoryA((DriverFolder() + "\\SETTINGS").c_str(), nullptr);
    Win32FileSystem files;
    WriteSettingsFile(files, EnvironmentFile(), "Main", marquees, SettingsBlock{});
}

std::vector<Marquee> EnvironmentRecords() {
    Win32FileSystem files;
    std::vector<Marquee> records;
    ReadMarqueeRecords(files, EnvironmentFile(), records);
    return records;
}

int EnvironmentMarquees() {
    Win32FileSystem files;
    std::vector<Marquee> records;
    return ReadMarqueeRecords(files, EnvironmentFile(), records) ? static_cast<int>(records.size()) : -1;
}

HGLOBAL MakePreviewBlock(int width, int height) {
    const PackedDib image = MakePackedDib24(width, height);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, image.size());
    std::memcpy(::GlobalLock(block), image.data(), image.size());
    ::GlobalUnlock(block);
    return block;
}

SourceContext Snapshot(ModuleHarness& harness, int index) {
    return SourceContext(const_cast<uint8_t*>(harness.recording.snapshot(index)));
}

HWND MainWindowTest::Start(const std::string& iniBody, int optionUnit, const std::function<void()>& beforeActivation) {
    harness_ = std::make_unique<ModuleHarness>(iniBody);
    if (!harness_->Loaded()) {
        return nullptr;
    }
    if (beforeActivation) {
        beforeActivation();
    }
    harness_->DescribeScanner(optionUnit);
    main_ = harness_->Activate();
    harness_->Pump();
    return main_;
}

}  // namespace korva::test
