// LOMTWNS.DS: the entry of the host (DS_Entry) and the three entries the user-interface module calls.
#include "tools/common/host_protocol.h"
#include "tools/datasource/simulator.h"

using korva::sim::TheSimulator;
namespace twain = korva::twain;

extern "C" uint16_t WINAPI DS_Entry(void*, uint32_t group, uint16_t dat, uint16_t msg, void* data) {
    if (group != twain::kGroupControl) {
        return twain::kRcFailure;
    }
    switch (dat) {
        case twain::kDatIdentity:
            return (msg == twain::kMsgOpenDs || msg == twain::kMsgCloseDs) ? twain::kRcSuccess : twain::kRcFailure;
        case twain::kDatUserInterface:
            if (msg == twain::kMsgEnableDs && data) {
                return TheSimulator().Enable(static_cast<twain::UserInterface*>(data)->parent) ? twain::kRcSuccess
                                                                                               : twain::kRcFailure;
            }
            if (msg == twain::kMsgDisableDs) {
                TheSimulator().Disable();
                return twain::kRcSuccess;
            }
            return twain::kRcFailure;
        case twain::kDatEvent: {
            if (msg != twain::kMsgProcessEvent || !data) {
                return twain::kRcFailure;
            }
            auto* event = static_cast<twain::Event*>(data);
            const bool handled = TheSimulator().ProcessEvent(event->message);
            event->reply = TheSimulator().TakeReply();
            return handled ? twain::kRcDsEvent : twain::kRcNotDsEvent;
        }
        default:
            return twain::kRcFailure;
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
