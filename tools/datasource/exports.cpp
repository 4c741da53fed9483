// LOMTWNS.DS: the entry of the source manager (DS_Entry) and the three entries the user-interface module
// calls. DS_Entry moves the protocol's structures and memory handles between the application and the
// session, which keeps the protocol's state, and the simulator, which shows the module and scans.
#include <cstring>
#include <span>
#include <vector>

#include "tools/common/host_protocol.h"
#include "tools/common/library_entry.h"
#include "tools/datasource/scan_rendering.h"
#include "tools/datasource/simulator.h"

using korva::sim::TheSimulator;
using korva::sim::TwainSession;
namespace twain = korva::twain;

namespace {

// What DAT_STATUS reports: the condition of the last failure, cleared once reported.
uint16_t conditionCode = twain::kCcSuccess;

uint16_t Fail(uint16_t condition) {
    conditionCode = condition;
    return twain::kRcFailure;
}

uint16_t Answer(uint16_t condition) {
    return condition == twain::kCcSuccess ? twain::kRcSuccess : Fail(condition);
}

TwainSession& Session() {
    return TheSimulator().Session();
}

// The identity a source manager asks for before it lists the source.
void DescribeIdentity(twain::TwIdentity& identity) {
    identity.version.majorNum = 1;
    identity.version.minorNum = 0;
    identity.version.language = twain::kLanguageUsa;
    identity.version.country = twain::kCountryUsa;
    std::strcpy(identity.version.info, "1.0 simulated");
    identity.protocolMajor = twain::kProtocolMajor;
    identity.protocolMinor = twain::kProtocolMinor;
    // Events and transfer notices travel through DAT_EVENT, so the source does not claim the
    // callbacks of DF_DS2.
    identity.supportedGroups = twain::kGroupControl | twain::kDgImage;
    std::strcpy(identity.manufacturer, "Korva");
    std::strcpy(identity.productFamily, "Simulated scanners");
    std::strcpy(identity.productName, "Korva Simulated Scanner");
}

uint16_t Identity(uint16_t msg, void* data) {
    switch (msg) {
        case twain::kMsgGet:
            if (!data) {
                return Fail(twain::kCcBadValue);
            }
            DescribeIdentity(*static_cast<twain::TwIdentity*>(data));
            return twain::kRcSuccess;
        case twain::kMsgOpenDs:
            TheSimulator().Close();
            return Answer(TheSimulator().Open());
        case twain::kMsgCloseDs:
            TheSimulator().Close();
            return twain::kRcSuccess;
        default:
            return Fail(twain::kCcBadProtocol);
    }
}

uint16_t Status(uint16_t msg, void* data) {
    if (msg != twain::kMsgGet || !data) {
        return Fail(twain::kCcBadProtocol);
    }
    *static_cast<twain::TwStatus*>(data) = twain::TwStatus{conditionCode, 0};
    conditionCode = twain::kCcSuccess;
    return twain::kRcSuccess;
}

// The application's container in, the source's answer out in a new global handle the application frees.
uint16_t Capability(uint16_t msg, twain::TwCapability* capability) {
    if (!capability) {
        return Fail(twain::kCcBadValue);
    }
    std::span<const uint8_t> in;
    HGLOBAL given = msg == twain::kMsgSet ? static_cast<HGLOBAL>(capability->container) : nullptr;
    if (given) {
        in = {static_cast<const uint8_t*>(::GlobalLock(given)), ::GlobalSize(given)};
    }
    const korva::sim::CapabilityReply reply = Session().Capability(capability->cap, msg, capability->conType, in);
    if (given) {
        ::GlobalUnlock(given);
    }
    if (reply.rc != twain::kRcSuccess) {
        return Fail(reply.condition);
    }
    if (!reply.container.empty()) {
        HGLOBAL out = ::GlobalAlloc(GMEM_MOVEABLE, reply.container.size());
        if (!out) {
            return Fail(twain::kCcLowMemory);
        }
        std::memcpy(::GlobalLock(out), reply.container.data(), reply.container.size());
        ::GlobalUnlock(out);
        capability->conType = reply.conType;
        capability->container = out;
    }
    return twain::kRcSuccess;
}

uint16_t UserInterface(uint16_t msg, twain::TwUserInterface* ui) {
    if (msg == twain::kMsgEnableDs && ui) {
        return Answer(TheSimulator().Enable(static_cast<HWND>(ui->parent)));
    }
    if (msg == twain::kMsgDisableDs) {
        return Answer(TheSimulator().Disable());
    }
    return Fail(twain::kCcBadProtocol);
}

uint16_t Event(uint16_t msg, twain::TwEvent* event) {
    if (msg != twain::kMsgProcessEvent || !event) {
        return Fail(twain::kCcBadProtocol);
    }
    const bool handled = TheSimulator().ProcessEvent(static_cast<MSG*>(event->event));
    event->message = TheSimulator().TakeReply();
    return handled ? twain::kRcDsEvent : twain::kRcNotDsEvent;
}

uint16_t PendingXfers(uint16_t msg, twain::TwPendingXfers* pending) {
    if (!pending) {
        return Fail(twain::kCcBadValue);
    }
    switch (msg) {
        case twain::kMsgEndXfer:
            return Answer(Session().EndTransfer(*pending));
        case twain::kMsgReset:
            return Answer(Session().ResetTransfers(*pending));
        default:
            return Fail(twain::kCcBadProtocol);
    }
}

uint16_t Control(uint16_t dat, uint16_t msg, void* data) {
    switch (dat) {
        case twain::kDatIdentity:
            return Identity(msg, data);
        case twain::kDatStatus:
            return Status(msg, data);
        case twain::kDatCapability:
            return Capability(msg, static_cast<twain::TwCapability*>(data));
        case twain::kDatUserInterface:
            return UserInterface(msg, static_cast<twain::TwUserInterface*>(data));
        case twain::kDatEvent:
            return Event(msg, static_cast<twain::TwEvent*>(data));
        case twain::kDatPendingXfers:
            return PendingXfers(msg, static_cast<twain::TwPendingXfers*>(data));
        case twain::kDatSetupMemXfer:
            if (msg != twain::kMsgGet || !data) {
                return Fail(twain::kCcBadProtocol);
            }
            return Answer(Session().SetupMemory(*static_cast<twain::TwSetupMemXfer*>(data)));
        default:
            return Fail(twain::kCcBadProtocol);
    }
}

// The image the application is told about now, handed over as a packed bitmap in a global handle.
uint16_t NativeTransfer(uint16_t msg, void* data) {
    if (msg != twain::kMsgGet || !data) {
        return Fail(twain::kCcBadProtocol);
    }
    uint16_t condition = twain::kCcSuccess;
    const korva::sim::PendingImage* image = Session().NextImage(condition);
    if (!image) {
        return Fail(condition);
    }
    HGLOBAL dib = korva::sim::PackDib(image->bitmap, image->dpi);
    if (!dib) {
        return Fail(twain::kCcLowMemory);
    }
    Session().Transferred();
    *static_cast<HGLOBAL*>(data) = dib;
    return twain::kRcXferDone;
}

// The next strip of the image into the application's buffer, given by pointer or by handle.
uint16_t MemoryTransfer(uint16_t msg, twain::TwImageMemXfer* strip) {
    if (msg != twain::kMsgGet || !strip || !strip->memory.theMem) {
        return Fail(twain::kCcBadProtocol);
    }
    const bool handle = (strip->memory.flags & twain::kMfHandle) != 0;
    void* buffer = handle ? ::GlobalLock(static_cast<HGLOBAL>(strip->memory.theMem)) : strip->memory.theMem;
    if (!buffer) {
        return Fail(twain::kCcBadValue);
    }
    std::vector<uint8_t> bytes;
    bool done = false;
    const uint16_t condition = Session().NextStrip(strip->memory.length, *strip, bytes, done);
    if (condition == twain::kCcSuccess) {
        std::memcpy(buffer, bytes.data(), bytes.size());
    }
    if (handle) {
        ::GlobalUnlock(static_cast<HGLOBAL>(strip->memory.theMem));
    }
    if (condition != twain::kCcSuccess) {
        return Fail(condition);
    }
    return done ? twain::kRcXferDone : twain::kRcSuccess;
}

uint16_t Image(uint16_t dat, uint16_t msg, void* data) {
    switch (dat) {
        case twain::kDatImageLayout:
            return data ? Answer(Session().ImageLayout(msg, *static_cast<twain::TwImageLayout*>(data)))
                        : Fail(twain::kCcBadValue);
        case twain::kDatImageInfo:
            if (msg != twain::kMsgGet || !data) {
                return Fail(twain::kCcBadProtocol);
            }
            return Answer(Session().ImageInfo(*static_cast<twain::TwImageInfo*>(data)));
        case twain::kDatImageNativeXfer:
            return NativeTransfer(msg, data);
        case twain::kDatImageMemXfer:
            return MemoryTransfer(msg, static_cast<twain::TwImageMemXfer*>(data));
        default:
            return Fail(twain::kCcBadProtocol);
    }
}

// A source manager may load a copy of the source from its own folder (Wine's loads "twain_64\sane.ds").
// The module calls the source installed in the driver folder, so a copy hands every call on to that one,
// where the session and the scans meet; null when this is the installed source or none is installed.
twain::EntryProc InstalledSource() {
    static HMODULE installed = nullptr;
    if (!installed) {
        HMODULE self = nullptr;
        ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCSTR>(&InstalledSource), &self);
        installed = ::LoadLibraryA((korva::sim::DriverFolder() + "\\LOMTWNS.DS").c_str());
        if (installed == self) {
            ::FreeLibrary(installed);
            installed = nullptr;
        }
    }
    return installed ? korva::tools::LibraryEntry<twain::EntryProc>(installed, "DS_Entry") : nullptr;
}

twain::EntryProc forward = nullptr;

}  // namespace

extern "C" uint16_t WINAPI DS_Entry(void* origin, uint32_t group, uint16_t dat, uint16_t msg, void* data) {
    if (group == twain::kGroupControl && dat == twain::kDatIdentity && msg == twain::kMsgOpenDs) {
        forward = InstalledSource();
    }
    if (forward) {
        return forward(origin, group, dat, msg, data);
    }
    switch (group) {
        case twain::kGroupControl:
            return Control(dat, msg, data);
        case twain::kDgImage:
            return Image(dat, msg, data);
        default:
            return Fail(twain::kCcBadProtocol);
    }
}

extern "C" LONG_PTR WINAPI UIPreviewScan(void) {
    return TheSimulator().PreviewScan();
}

extern "C" LONG_PTR WINAPI UIFinalScan(void) {
    return TheSimulator().FinalScan();
}

extern "C" LONG_PTR WINAPI UICloseScan(void) {
    return TheSimulator().CloseScan();
}
