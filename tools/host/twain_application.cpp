#include "tools/host/twain_application.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "tools/common/bitmap_writer.h"
#include "tools/common/library_entry.h"

namespace korva::host {
namespace {

constexpr char kSourceName[] = "Korva Simulated Scanner";
constexpr uint16_t kAllImages = 0xFFFF;  // CAP_XFERCOUNT -1

}  // namespace

uint16_t TwainApplication::Call(uint32_t group, uint16_t dat, uint16_t msg, void* data) {
    return entry_(&application_, &source_, group, dat, msg, data);
}

uint16_t TwainApplication::Manager(uint16_t dat, uint16_t msg, void* data) {
    return entry_(&application_, nullptr, twain::kGroupControl, dat, msg, data);
}

bool TwainApplication::FindSource() {
    for (uint16_t msg = twain::kMsgGetFirst; Manager(twain::kDatIdentity, msg, &source_) == twain::kRcSuccess;
         msg = twain::kMsgGetNext) {
        if (std::strcmp(source_.productName, kSourceName) == 0) {
            return true;
        }
    }
    return false;
}

void TwainApplication::Negotiate(uint16_t cap, uint16_t itemType, uint32_t value) {
    HGLOBAL container = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(twain::TwOneValue));
    if (!container) {
        return;
    }
    *static_cast<twain::TwOneValue*>(::GlobalLock(container)) = twain::TwOneValue{itemType, value};
    ::GlobalUnlock(container);
    twain::TwCapability capability{cap, twain::kOnOneValue, container};
    Call(twain::kGroupControl, twain::kDatCapability, twain::kMsgSet, &capability);
    ::GlobalFree(container);
}

bool TwainApplication::Start(HWND window, const std::string& folder, std::string& failure) {
    window_ = window;
    folder_ = folder;
    application_.version.majorNum = 1;
    application_.version.language = twain::kLanguageUsa;
    application_.version.country = twain::kCountryUsa;
    application_.protocolMajor = twain::kProtocolMajor;
    application_.protocolMinor = twain::kProtocolMinor;
    application_.supportedGroups = twain::kGroupControl | twain::kDgImage;
    std::strcpy(application_.manufacturer, "Korva");
    std::strcpy(application_.productFamily, "Korva tools");
    std::strcpy(application_.productName, "korvascan");
    manager_ = ::LoadLibraryA("twain_32.dll");
    entry_ = manager_ ? tools::LibraryEntry<twain::DsmEntryProc>(manager_, "DSM_Entry") : nullptr;
    if (!entry_) {
        failure = "the source manager twain_32.dll cannot be loaded";
        return false;
    }
    managerOpen_ = Manager(twain::kDatParent, twain::kMsgOpenDsm, &window_) == twain::kRcSuccess;
    if (!managerOpen_ || !FindSource()) {
        failure = managerOpen_ ? "the source manager does not list the simulated scanner"
                               : "the source manager cannot be opened";
        return false;
    }
    sourceOpen_ = Manager(twain::kDatIdentity, twain::kMsgOpenDs, &source_) == twain::kRcSuccess;
    if (!sourceOpen_) {
        failure = "the simulated scanner cannot be opened";
        return false;
    }
    Negotiate(twain::kCapXferCount, twain::kTyInt16, kAllImages);
    Negotiate(twain::kICapXferMech, twain::kTyUint16, twain::kSxNative);
    twain::TwUserInterface ui;
    ui.showUi = 1;
    ui.parent = window_;
    enabled_ = Call(twain::kGroupControl, twain::kDatUserInterface, twain::kMsgEnableDs, &ui) == twain::kRcSuccess;
    if (!enabled_) {
        failure = "the simulated scanner cannot show its user interface";
    }
    return enabled_;
}

bool TwainApplication::Offer(MSG& message) {
    if (!enabled_) {
        return false;
    }
    twain::TwEvent event{&message};
    const bool handled =
        Call(twain::kGroupControl, twain::kDatEvent, twain::kMsgProcessEvent, &event) == twain::kRcDsEvent;
    if (event.message == twain::kMsgXferReady) {
        TransferAll();
    } else if (event.message == twain::kMsgCloseDsReq) {
        closeRequested_ = true;
    }
    return handled;
}

void TwainApplication::TransferAll() {
    twain::TwPendingXfers pending;
    do {
        twain::TwImageInfo info;
        HGLOBAL dib = nullptr;
        if (Call(twain::kDgImage, twain::kDatImageInfo, twain::kMsgGet, &info) != twain::kRcSuccess ||
            Call(twain::kDgImage, twain::kDatImageNativeXfer, twain::kMsgGet, &dib) != twain::kRcXferDone) {
            Call(twain::kGroupControl, twain::kDatPendingXfers, twain::kMsgReset, &pending);
            return;
        }
        transfers_ += WriteImage(dib) ? 1 : 0;
        ::GlobalFree(dib);
        pending = {};
        if (Call(twain::kGroupControl, twain::kDatPendingXfers, twain::kMsgEndXfer, &pending) != twain::kRcSuccess) {
            return;
        }
    } while (pending.count != 0);
}

bool TwainApplication::WriteImage(HGLOBAL dib) {
    const auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib));
    if (!header) {
        return false;
    }
    const size_t size = ::GlobalSize(dib);
    const uint32_t colours = header->biClrUsed != 0    ? header->biClrUsed
                             : header->biBitCount <= 8 ? 1u << header->biBitCount
                                                       : 0;
    std::vector<uint8_t> bytes;
    tools::PutLe16(bytes, 0x4D42);
    tools::PutLe32(bytes, static_cast<uint32_t>(14 + size));
    tools::PutLe32(bytes, 0);
    tools::PutLe32(bytes, 14 + header->biSize + colours * 4);
    const auto* data = reinterpret_cast<const uint8_t*>(header);
    bytes.insert(bytes.end(), data, data + size);
    ::GlobalUnlock(dib);
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    std::string path;
    for (int number = 1; path.empty() || ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "\\IMAGE%04d.BMP", number);
        path = folder_ + name;
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        return false;
    }
    transferred_.push_back(path);
    return true;
}

void TwainApplication::Stop() {
    if (enabled_) {
        twain::TwUserInterface ui;
        Call(twain::kGroupControl, twain::kDatUserInterface, twain::kMsgDisableDs, &ui);
        enabled_ = false;
    }
    if (sourceOpen_) {
        Manager(twain::kDatIdentity, twain::kMsgCloseDs, &source_);
        sourceOpen_ = false;
    }
    if (managerOpen_) {
        Manager(twain::kDatParent, twain::kMsgCloseDsm, &window_);
        managerOpen_ = false;
    }
    if (manager_) {
        ::FreeLibrary(manager_);
        manager_ = nullptr;
    }
}

}  // namespace korva::host
