// The module driven end to end by the simulated scanner LOMTWNS.DS, reached the way any TWAIN application
// reaches a source: through the platform's source manager twain_32.dll and its DSM_Entry only. Wine's
// source manager does not enumerate a folder: it loads "sane.ds" from the Windows directory's "twain_64"
// folder, so the source is installed there, and hands its calls on to the source installed in the driver
// folder, which the module calls.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/mainwin/ocr_options.h"
#include "core/settings/settings_file.h"
#include "platform/win32/win32_services.h"
#include "tests/ui/support/module_harness.h"
#include "tools/common/host_protocol.h"
#include "tools/common/library_entry.h"

namespace korva::test {
namespace {

namespace twain = korva::twain;

using twain::DsmEntryProc;

// Two inches square, an inch from the top and `left` thousandths of an inch from the left, scanned at
// 300 dpi as image type `imageType`.
Marquee TwoInchMarquee(int32_t left, int32_t imageType) {
    Marquee marquee;
    marquee.document = {left, 1000, left + 2000, 3000};
    marquee.settings.imageType = imageType;
    marquee.settings.scanResolution = 300;
    marquee.settings.scalePercent = 100;
    marquee.settings.gamma = 100;
    marquee.settings.threshold = 128;
    return marquee;
}

std::string IniFile() {
    return DriverFolder() + "\\LOMTWNS.ini";
}

class SourceManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char windows[MAX_PATH] = {};
        ::GetWindowsDirectoryA(windows, MAX_PATH);
        const std::string folder = std::string(windows) + "\\twain_64";
        ::CreateDirectoryA(folder.c_str(), nullptr);
        ASSERT_TRUE(::CopyFileA((TestProgramFolder() + "\\LOMTWNS.DS").c_str(), (folder + "\\sane.ds").c_str(), FALSE));
        manager_ = ::LoadLibraryA("twain_32.dll");
        entry_ = tools::LibraryEntry<DsmEntryProc>(manager_, "DSM_Entry");
        ASSERT_NE(entry_, nullptr);
        window_ =
            ::CreateWindowA("STATIC", "application", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        application_.protocolMajor = twain::kProtocolMajor;
        application_.protocolMinor = twain::kProtocolMinor;
        application_.supportedGroups = twain::kGroupControl | twain::kDgImage | twain::kDfApp2;
        std::strcpy(application_.productName, "Source manager test");
        ASSERT_EQ(Call(nullptr, twain::kDatParent, twain::kMsgOpenDsm, &window_), twain::kRcSuccess);
    }

    void TearDown() override {
        if (open_) {
            twain::TwUserInterface ui;
            Call(&source_, twain::kDatUserInterface, twain::kMsgDisableDs, &ui);
            Call(nullptr, twain::kDatIdentity, twain::kMsgCloseDs, &source_);
        }
        Call(nullptr, twain::kDatParent, twain::kMsgCloseDsm, &window_);
        ::DestroyWindow(window_);
        ::FreeLibrary(manager_);
    }

    uint16_t Call(twain::TwIdentity* dest, uint16_t dat, uint16_t msg, void* data) {
        return entry_(&application_, dest, twain::kGroupControl, dat, msg, data);
    }

    uint16_t Image(uint16_t dat, uint16_t msg, void* data) {
        return entry_(&application_, &source_, twain::kDgImage, dat, msg, data);
    }

    // The condition the source reports for its last failure; a second read reports success.
    uint16_t Condition() {
        twain::TwStatus status;
        EXPECT_EQ(Call(&source_, twain::kDatStatus, twain::kMsgGet, &status), twain::kRcSuccess);
        return status.conditionCode;
    }

    // Installs the module and the source in the driver folder with both pages at 300 dpi, the Photo page
    // active and the marquees of a last run, and opens the source.
    void OpenInstalled(const std::vector<Marquee>& marquees = {}) {
        PrepareDriverFolder(
            "[Settings]\r\nSave values=1\r\nAuto Preview=0\r\n[Tab Setting]\r\nTab Flag=0\r\n"
            "Photo ResList=7\r\nPhoto Resolution=300\r\nOCR ResList=7\r\nOCR Resolution=300\r\n",
            "LOMTWNS.DS");
        ASSERT_TRUE(::CopyFileA((TestProgramFolder() + "\\KVSCANUI.DLL").c_str(),
                                (DriverFolder() + "\\KVSCANUI.DLL").c_str(), FALSE));
        Win32FileSystem files;
        WriteSettingsFile(files, DriverFolder() + "\\SETTINGS\\ENV.stt", "Main", marquees, SettingsBlock{});
        Reopen();
    }

    // Opens the source, closing it first when it is open: it reads its INI file again.
    void Reopen() {
        if (open_) {
            Call(nullptr, twain::kDatIdentity, twain::kMsgCloseDs, &source_);
            open_ = false;
        }
        ASSERT_TRUE(FindSource(source_));
        ASSERT_EQ(Call(nullptr, twain::kDatIdentity, twain::kMsgOpenDs, &source_), twain::kRcSuccess);
        open_ = true;
    }

    // Enables the source with its user interface; the module's main dialog.
    HWND EnableWithUi() {
        twain::TwUserInterface ui;
        ui.parent = window_;
        EXPECT_EQ(Call(&source_, twain::kDatUserInterface, twain::kMsgEnableDs, &ui), twain::kRcSuccess);
        return ::FindWindowA(nullptr, "KORVA Quorra Scan SF");
    }

    // Enables the source, sends the module's main dialog `command` and, once `then` has run, waits until
    // the source announces a transfer.
    void EnableAndScan(int command, const std::function<void()>& then = {}) {
        main_ = EnableWithUi();
        ASSERT_NE(main_, nullptr);
        ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        if (then) {
            then();
        }
        ASSERT_TRUE(PumpUntil(twain::kMsgXferReady, 15000));
    }

    // Offers every queued message to the source, as an application's loop does, until the source answers
    // with `reply` or `ms` milliseconds have passed.
    bool PumpUntil(uint16_t reply, DWORD ms) {
        const DWORD end = ::GetTickCount() + ms;
        while (::GetTickCount() < end) {
            MSG message;
            while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                twain::TwEvent event{&message};
                if (Call(&source_, twain::kDatEvent, twain::kMsgProcessEvent, &event) != twain::kRcDsEvent) {
                    ::TranslateMessage(&message);
                    ::DispatchMessageA(&message);
                }
                if (event.message == reply) {
                    return true;
                }
            }
            ::Sleep(10);
        }
        return false;
    }

    // Transfers the announced image natively, checks it against what DAT_IMAGEINFO said, and ends the
    // transfer; the count of the transfers still pending.
    uint16_t TransferOne(int32_t width, int32_t height, int16_t pixelType, int16_t bitsPerPixel) {
        twain::TwImageInfo info;
        EXPECT_EQ(Image(twain::kDatImageInfo, twain::kMsgGet, &info), twain::kRcSuccess);
        EXPECT_EQ(std::make_tuple(int32_t{info.imageWidth}, int32_t{info.imageLength}, int16_t{info.pixelType},
                                  int16_t{info.bitsPerPixel}),
                  std::make_tuple(width, height, pixelType, bitsPerPixel));
        HGLOBAL dib = nullptr;
        EXPECT_EQ(Image(twain::kDatImageNativeXfer, twain::kMsgGet, &dib), twain::kRcXferDone);
        if (dib) {
            const auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib));
            EXPECT_EQ(std::make_tuple(int32_t{header->biWidth}, int32_t{header->biHeight}, int16_t(header->biBitCount)),
                      std::make_tuple(width, height, bitsPerPixel));
            const size_t stride = (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4;
            EXPECT_EQ(::GlobalSize(dib), sizeof(BITMAPINFOHEADER) + header->biClrUsed * 4 + stride * height);
            ::GlobalUnlock(dib);
            ::GlobalFree(dib);
        }
        twain::TwPendingXfers pending;
        EXPECT_EQ(Call(&source_, twain::kDatPendingXfers, twain::kMsgEndXfer, &pending), twain::kRcSuccess);
        return pending.count;
    }

    // The identity of our source among those the source manager lists.
    bool FindSource(twain::TwIdentity& source) {
        for (uint16_t msg = twain::kMsgGetFirst; Call(nullptr, twain::kDatIdentity, msg, &source) == twain::kRcSuccess;
             msg = twain::kMsgGetNext) {
            if (std::strcmp(source.productName, "Korva Simulated Scanner") == 0) {
                return true;
            }
        }
        return false;
    }

    HMODULE manager_ = nullptr;
    DsmEntryProc entry_ = nullptr;
    HWND window_ = nullptr;
    twain::TwIdentity application_;
    twain::TwIdentity source_;
    bool open_ = false;
    HWND main_ = nullptr;
};

TEST_F(SourceManagerTest, ListsTheSourceReportsAFailuresConditionAndEnablingShowsTheModuleUntilDisabling) {
    OpenInstalled();
    EXPECT_STREQ(source_.manufacturer, "Korva");
    EXPECT_EQ(source_.protocolMajor, twain::kProtocolMajor);
    EXPECT_NE(source_.supportedGroups & twain::kDgImage, 0u);
    twain::TwStatus status;
    EXPECT_EQ(Call(&source_, twain::kDatStatus, twain::kMsgSet, &status), twain::kRcFailure);
    EXPECT_EQ(Condition(), twain::kCcBadProtocol);
    EXPECT_EQ(Condition(), twain::kCcSuccess);

    HWND main = EnableWithUi();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(::IsWindowVisible(main));
    ::PostMessageA(main, WM_NULL, 0, 0);
    MSG message;
    ASSERT_TRUE(::PeekMessageA(&message, main, 0, 0, PM_REMOVE));
    twain::TwEvent event{&message};
    EXPECT_EQ(Call(&source_, twain::kDatEvent, twain::kMsgProcessEvent, &event), twain::kRcDsEvent);
    EXPECT_EQ(event.message, twain::kMsgNull);
    twain::TwUserInterface ui;
    EXPECT_EQ(Call(&source_, twain::kDatUserInterface, twain::kMsgDisableDs, &ui), twain::kRcSuccess);
    EXPECT_FALSE(::IsWindow(main));
}

// One capability as the source must answer it: the item type, the container of a GET, a value next to
// the default and the condition a SET of it reports (kCcSuccess when the device takes it).
struct CapabilityCase {
    uint16_t cap;
    uint16_t itemType;
    uint16_t getContainer;
    uint32_t neighbour;
    uint16_t setCondition;
};

uint32_t Fix(double value) {
    return twain::Fix32Item(twain::ToFix32(value));
}

// The item at `index` of an enumeration's or array's list.
uint32_t ListItem(const uint8_t* list, uint16_t itemType, uint32_t index) {
    const size_t size = itemType == twain::kTyFix32 || itemType == twain::kTyInt32 ? 4 : 2;
    uint32_t item = 0;
    std::memcpy(&item, list + index * size, size);
    return item;
}

class CapabilityNegotiation : public SourceManagerTest {
  protected:
    // The container of `msg`, with its type in `conType`; empty on failure.
    std::vector<uint8_t> Get(uint16_t cap, uint16_t msg, uint16_t& conType) {
        twain::TwCapability capability{cap, twain::kOnDontCare, nullptr};
        if (Call(&source_, twain::kDatCapability, msg, &capability) != twain::kRcSuccess || !capability.container) {
            return {};
        }
        conType = capability.conType;
        const auto* bytes = static_cast<const uint8_t*>(::GlobalLock(capability.container));
        std::vector<uint8_t> copy(bytes, bytes + ::GlobalSize(capability.container));
        ::GlobalUnlock(capability.container);
        ::GlobalFree(capability.container);
        return copy;
    }

    twain::TwOneValue GetOne(uint16_t cap, uint16_t msg) {
        uint16_t conType = 0;
        const std::vector<uint8_t> bytes = Get(cap, msg, conType);
        twain::TwOneValue one;
        EXPECT_EQ(conType, twain::kOnOneValue) << "capability " << cap << " message " << msg;
        if (bytes.size() >= sizeof one) {
            std::memcpy(&one, bytes.data(), sizeof one);
        }
        return one;
    }

    uint16_t Set(uint16_t cap, uint16_t itemType, uint32_t item) {
        HGLOBAL container = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(twain::TwOneValue));
        *static_cast<twain::TwOneValue*>(::GlobalLock(container)) = twain::TwOneValue{itemType, item};
        ::GlobalUnlock(container);
        twain::TwCapability capability{cap, twain::kOnOneValue, container};
        const uint16_t rc = Call(&source_, twain::kDatCapability, twain::kMsgSet, &capability);
        ::GlobalFree(container);
        return rc == twain::kRcSuccess ? twain::kCcSuccess : Condition();
    }

    // QUERYSUPPORT, GET, GETCURRENT, GETDEFAULT, SET of the neighbour and RESET of one capability.
    void Check(const CapabilityCase& c) {
        SCOPED_TRACE(::testing::Message() << "capability 0x" << std::hex << c.cap);
        const bool settable = c.setCondition != twain::kCcCapBadOperation;
        const twain::TwOneValue support = GetOne(c.cap, twain::kMsgQuerySupport);
        EXPECT_EQ(support.itemType, twain::kTyInt32);
        const int32_t reads = twain::kQcGet | twain::kQcGetCurrent | twain::kQcGetDefault;
        EXPECT_EQ(static_cast<int32_t>(support.item), reads | (settable ? twain::kQcSet | twain::kQcReset : 0));

        uint16_t conType = 0;
        const std::vector<uint8_t> all = Get(c.cap, twain::kMsgGet, conType);
        ASSERT_FALSE(all.empty());
        EXPECT_EQ(conType, c.getContainer);
        uint32_t current = 0;
        uint32_t fallback = 0;
        if (conType == twain::kOnEnumeration) {
            twain::TwEnumeration e;
            std::memcpy(static_cast<void*>(&e), all.data(), offsetof(twain::TwEnumeration, itemList));
            ASSERT_LT(e.currentIndex, e.numItems);
            ASSERT_LT(e.defaultIndex, e.numItems);
            EXPECT_EQ(e.itemType, c.itemType);
            const uint8_t* list = all.data() + offsetof(twain::TwEnumeration, itemList);
            current = ListItem(list, c.itemType, e.currentIndex);
            fallback = ListItem(list, c.itemType, e.defaultIndex);
        } else if (conType == twain::kOnRange) {
            twain::TwRange r;
            std::memcpy(&r, all.data(), sizeof r);
            EXPECT_EQ(r.itemType, c.itemType);
            current = r.currentValue;
            fallback = r.defaultValue;
            const double min = twain::FromFix32(twain::Fix32FromItem(r.minValue));
            const double max = twain::FromFix32(twain::Fix32FromItem(r.maxValue));
            EXPECT_LE(min, twain::FromFix32(twain::Fix32FromItem(current)));
            EXPECT_LE(twain::FromFix32(twain::Fix32FromItem(current)), max);
        } else if (conType == twain::kOnOneValue) {
            twain::TwOneValue one;
            std::memcpy(&one, all.data(), sizeof one);
            EXPECT_EQ(one.itemType, c.itemType);
            current = fallback = one.item;
        } else {
            return;  // the list of capabilities is checked by its contents
        }
        const twain::TwOneValue now = GetOne(c.cap, twain::kMsgGetCurrent);
        EXPECT_EQ(now.itemType, c.itemType);
        EXPECT_EQ(now.item, current);
        const twain::TwOneValue byDefault = GetOne(c.cap, twain::kMsgGetDefault);
        EXPECT_EQ(byDefault.itemType, c.itemType);
        EXPECT_EQ(byDefault.item, fallback);

        EXPECT_EQ(Set(c.cap, c.itemType, c.neighbour), c.setCondition);
        if (c.setCondition == twain::kCcSuccess) {
            EXPECT_EQ(GetOne(c.cap, twain::kMsgGetCurrent).item, c.neighbour);
        }
        twain::TwCapability reset{c.cap, twain::kOnDontCare, nullptr};
        if (settable) {
            ASSERT_EQ(Call(&source_, twain::kDatCapability, twain::kMsgReset, &reset), twain::kRcSuccess);
            ::GlobalFree(reset.container);
            EXPECT_EQ(GetOne(c.cap, twain::kMsgGetCurrent).item, fallback);
        } else {
            EXPECT_EQ(Call(&source_, twain::kDatCapability, twain::kMsgReset, &reset), twain::kRcFailure);
            EXPECT_EQ(Condition(), twain::kCcCapBadOperation);
        }
    }

    // Every case passes its checks, and the source's list of capabilities holds exactly them.
    void CheckAll(const std::vector<CapabilityCase>& cases) {
        uint16_t conType = 0;
        const std::vector<uint8_t> all = Get(twain::kCapSupportedCaps, twain::kMsgGet, conType);
        ASSERT_EQ(conType, twain::kOnArray);
        twain::TwArray header;
        std::memcpy(static_cast<void*>(&header), all.data(), offsetof(twain::TwArray, itemList));
        std::vector<uint32_t> listed;
        for (uint32_t i = 0; i < header.numItems; ++i) {
            listed.push_back(ListItem(all.data() + offsetof(twain::TwArray, itemList), header.itemType, i));
        }
        std::vector<uint32_t> expected;
        for (const CapabilityCase& c : cases) {
            expected.push_back(c.cap);
            Check(c);
        }
        std::sort(listed.begin(), listed.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(listed, expected);
    }
};

TEST_F(CapabilityNegotiation, EveryRequiredCapabilityAnswersEachOperationConsistently) {
    const uint16_t bad = twain::kCcBadValue;
    const uint16_t readOnly = twain::kCcCapBadOperation;
    std::vector<CapabilityCase> cases = {
        {twain::kCapSupportedCaps, twain::kTyUint16, twain::kOnArray, 0, readOnly},
        {twain::kCapXferCount, twain::kTyInt16, twain::kOnOneValue, 1, twain::kCcSuccess},
        {twain::kCapUiControllable, twain::kTyBool, twain::kOnOneValue, 1, readOnly},
        {twain::kICapCompression, twain::kTyUint16, twain::kOnEnumeration, 1, bad},
        {twain::kICapPlanarChunky, twain::kTyUint16, twain::kOnEnumeration, 1, bad},
        {twain::kICapPhysicalWidth, twain::kTyFix32, twain::kOnOneValue, Fix(8), readOnly},
        {twain::kICapPhysicalHeight, twain::kTyFix32, twain::kOnOneValue, Fix(11), readOnly},
        {twain::kICapPixelFlavor, twain::kTyUint16, twain::kOnEnumeration, 1, bad},
        {twain::kICapBitDepth, twain::kTyUint16, twain::kOnEnumeration, 8, bad},
        {twain::kICapBitOrder, twain::kTyUint16, twain::kOnEnumeration, 0, bad},
        {twain::kICapPixelType, twain::kTyUint16, twain::kOnEnumeration, twain::kPtGray, twain::kCcSuccess},
        {twain::kICapUnits, twain::kTyUint16, twain::kOnEnumeration, twain::kUnCentimeters, twain::kCcSuccess},
        {twain::kICapXferMech, twain::kTyUint16, twain::kOnEnumeration, 1, bad},
        {twain::kICapXResolution, twain::kTyFix32, twain::kOnRange, Fix(301), twain::kCcSuccess},
        {twain::kICapYResolution, twain::kTyFix32, twain::kOnRange, Fix(299), twain::kCcSuccess},
    };
    OpenInstalled();
    CheckAll(cases);
    EXPECT_EQ(Set(twain::kICapXResolution, twain::kTyFix32, Fix(1201)), bad);
    // The layout travels through the image group; the session's native tests pin its units.
    twain::TwImageLayout layout;
    layout.frame = {twain::ToFix32(1), twain::ToFix32(0.5), twain::ToFix32(4.25), twain::ToFix32(6)};
    ASSERT_EQ(Image(twain::kDatImageLayout, twain::kMsgSet, &layout), twain::kRcSuccess);
    twain::TwImageLayout back;
    ASSERT_EQ(Image(twain::kDatImageLayout, twain::kMsgGet, &back), twain::kRcSuccess);
    EXPECT_EQ(twain::FromFix32(back.frame.right), 4.25);
    layout.frame.right = twain::ToFix32(30);  // wider than the bed
    EXPECT_EQ(Image(twain::kDatImageLayout, twain::kMsgSet, &layout), twain::kRcFailure);
    EXPECT_EQ(Condition(), bad);

    cases.push_back({twain::kCapFeederEnabled, twain::kTyBool, twain::kOnEnumeration, 1, twain::kCcSuccess});
    cases.push_back({twain::kCapAutoFeed, twain::kTyBool, twain::kOnEnumeration, 0, twain::kCcSuccess});
    cases.push_back(
        {twain::kICapSupportedSizes, twain::kTyUint16, twain::kOnEnumeration, twain::kSsUsLetter, twain::kCcSuccess});
    ::WritePrivateProfileStringA("Simulator", "Device", "feeder", IniFile().c_str());
    Reopen();
    CheckAll(cases);
}

// Each marquee is scanned with its own image type, from the last restored one.
TEST_F(SourceManagerTest, AScanOfAllMarqueesTransfersOneImagePerMarqueeOfItsTypeAndCloseAsksToBeClosed) {
    OpenInstalled({TwoInchMarquee(1000, 1), TwoInchMarquee(4000, 4), TwoInchMarquee(6000, kLineArtImageType)});
    ASSERT_NO_FATAL_FAILURE(EnableAndScan(729));
    EXPECT_EQ(TransferOne(600, 600, twain::kPtBw, 1), 2u);
    EXPECT_EQ(TransferOne(600, 600, twain::kPtGray, 8), 1u);
    EXPECT_EQ(TransferOne(600, 600, twain::kPtRgb, 24), 0u);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(main_, 1)));  // not busy any more
    ::SendMessageA(main_, WM_COMMAND, MAKEWPARAM(733, BN_CLICKED), 0);
    EXPECT_NE(::GetFileAttributesA((DriverFolder() + "\\PREVIB7.BMP").c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(::PostMessageA(main_, WM_COMMAND, MAKEWPARAM(1019, BN_CLICKED), 0));
    EXPECT_TRUE(PumpUntil(twain::kMsgCloseDsReq, 3000));
}

TEST_F(SourceManagerTest, ABatchOfTwoSavedSettingsIsScannedInsteadOfTheMarquees) {
    SettingsBlock page;
    page.scanResolution = 100;
    page.imageType = 4;
    page.selectionWidth = 100;
    page.selectionHeight = 150;
    const Marquee saved[] = {TwoInchMarquee(0, kLineArtImageType)};
    OpenInstalled({TwoInchMarquee(1000, 1), TwoInchMarquee(4000, 1), TwoInchMarquee(5000, 1)});
    Win32FileSystem files;
    ASSERT_TRUE(WriteSettingsFile(files, DriverFolder() + "\\SETTINGS\\ENV0000.set", "line art", saved, {}));
    ASSERT_TRUE(WriteSettingsFile(files, DriverFolder() + "\\SETTINGS\\ENV0001.set", "page", {}, page));
    // The keys as the saved-settings dialog writes them after it has sent the scan command.
    ASSERT_NO_FATAL_FAILURE(EnableAndScan(729, [] {
        ::WritePrivateProfileStringA("BatchMode", "total", "2", IniFile().c_str());
        ::WritePrivateProfileStringA("BatchMode", "Batch 0", "ENV0000", IniFile().c_str());
        ::WritePrivateProfileStringA("BatchMode", "Batch 1", "ENV0001", IniFile().c_str());
    }));
    EXPECT_EQ(TransferOne(600, 600, twain::kPtBw, 1), 1u);
    EXPECT_EQ(TransferOne(100, 150, twain::kPtGray, 8), 0u);
    char total[8] = {};
    ::GetPrivateProfileStringA("BatchMode", "total", "", total, sizeof total, IniFile().c_str());
    EXPECT_STREQ(total, "0");
}

// Without marquees the module scans the whole flatbed with the pixel type and resolution set before,
// and the image comes in strips of whole rows.
TEST_F(CapabilityNegotiation, ThePixelTypeResolutionAndMemoryTransferSetAreTheModulesStartingSettings) {
    OpenInstalled();
    ASSERT_EQ(Set(twain::kICapPixelType, twain::kTyUint16, twain::kPtGray), twain::kCcSuccess);
    ASSERT_EQ(Set(twain::kICapXResolution, twain::kTyFix32, Fix(100)), twain::kCcSuccess);
    ASSERT_EQ(Set(twain::kICapXferMech, twain::kTyUint16, twain::kSxMemory), twain::kCcSuccess);
    twain::TwSetupMemXfer setup;
    ASSERT_EQ(Call(&source_, twain::kDatSetupMemXfer, twain::kMsgGet, &setup), twain::kRcSuccess);
    ASSERT_NO_FATAL_FAILURE(EnableAndScan(1));
    twain::TwImageInfo info;
    EXPECT_EQ(Image(twain::kDatImageInfo, twain::kMsgGet, &info), twain::kRcSuccess);
    EXPECT_EQ(std::make_tuple(int32_t{info.imageWidth}, int32_t{info.imageLength}, int16_t{info.pixelType}),
              std::make_tuple(850, 1169, int16_t{twain::kPtGray}));
    std::vector<uint8_t> buffer(setup.preferred);
    twain::TwImageMemXfer strip;
    strip.memory = {twain::kMfAppOwns | twain::kMfPointer, setup.preferred, buffer.data()};
    uint32_t rows = 0;
    uint16_t rc = twain::kRcSuccess;
    while (rc == twain::kRcSuccess) {
        rc = Image(twain::kDatImageMemXfer, twain::kMsgGet, &strip);
        EXPECT_EQ(strip.yOffset, rows);
        EXPECT_EQ(strip.columns, 850u);
        EXPECT_EQ(strip.bytesWritten, strip.rows * strip.bytesPerRow);
        rows += strip.rows;
    }
    EXPECT_EQ(rc, twain::kRcXferDone);
    EXPECT_EQ(rows, 1169u);
    twain::TwPendingXfers pending;
    EXPECT_EQ(Call(&source_, twain::kDatPendingXfers, twain::kMsgEndXfer, &pending), twain::kRcSuccess);
    EXPECT_EQ(pending.count, 0u);
}

}  // namespace
}  // namespace korva::test
