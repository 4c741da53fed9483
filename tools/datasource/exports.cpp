// LOMTWNS.DS: the entry of the host (DS_Entry) and the three entries the user-interface module calls.
#include "tools/common/host_protocol.h"
#include "tools/datasource/simulator.h"

#include <cstring>

using korva::sim::TheSimulator;
namespace twain = korva::twain;

namespace {

// What DAT_STATUS reports: the condition of the last failure, cleared once reported.
uint16_t conditionCode = twain::kCcSuccess;

uint16_t Fail(uint16_t condition) {
    conditionCode = condition;
    return twain::kRcFailure;
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
    identity.supportedGroups = twain::kGroupControl | twain::kDgImage | twain::kDfDs2;
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
        case twain::kMsgCloseDs:
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

}  // namespace

extern "C" uint16_t WINAPI DS_Entry(void*, uint32_t group, uint16_t dat, uint16_t msg, void* data) {
    if (group != twain::kGroupControl) {
        return Fail(twain::kCcBadProtocol);
    }
    switch (dat) {
        case twain::kDatIdentity:
            return Identity(msg, data);
        case twain::kDatStatus:
            return Status(msg, data);
        case twain::kDatUserInterface:
            if (msg == twain::kMsgEnableDs && data) {
                return TheSimulator().Enable(static_cast<HWND>(static_cast<twain::UserInterface*>(data)->parent))
                           ? twain::kRcSuccess
                           : Fail(twain::kCcOperationError);
            }
            if (msg == twain::kMsgDisableDs) {
                TheSimulator().Disable();
                return twain::kRcSuccess;
            }
            return Fail(twain::kCcBadProtocol);
        case twain::kDatEvent: {
            if (msg != twain::kMsgProcessEvent || !data) {
                return Fail(twain::kCcBadProtocol);
            }
            auto* event = static_cast<twain::Event*>(data);
            const bool handled = TheSimulator().ProcessEvent(static_cast<MSG*>(event->event));
            event->message = TheSimulator().TakeReply();
            return handled ? twain::kRcDsEvent : twain::kRcNotDsEvent;
        }
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
