// korvascan's side of the protocol, as any application plays it through the platform's source manager:
// the manager opened under the host window, the simulated scanner selected among the sources it lists
// and opened, the transfer count and mechanism negotiated, the source enabled with its user interface,
// every queued message offered to it through DAT_EVENT, and each announced image transferred natively
// into a bitmap file of the transfer folder.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/common/host_protocol.h"

namespace korva::host {

class TwainApplication {
  public:
    // Opens the manager and the source and enables it under `window`; false, with what failed in
    // `failure`, otherwise. Transferred images go to `folder`.
    bool Start(HWND window, const std::string& folder, std::string& failure);
    // Offers a queued message to the source: true when it was the source's. Transfers the images the
    // source announces.
    bool Offer(MSG& message);
    // Disables and closes the source and closes the manager.
    void Stop();

    bool CloseRequested() const { return closeRequested_; }
    int Transfers() const { return transfers_; }
    // The files of the images transferred since the last call.
    std::vector<std::string> TakeTransferred() { return std::exchange(transferred_, {}); }

  private:
    // A call to the source, and one to the manager itself.
    uint16_t Call(uint32_t group, uint16_t dat, uint16_t msg, void* data);
    uint16_t Manager(uint16_t dat, uint16_t msg, void* data);
    bool FindSource();
    void Negotiate(uint16_t cap, uint16_t itemType, uint32_t value);
    void TransferAll();
    // Writes the packed bitmap as the next free "IMAGEnnnn.BMP" of the folder.
    bool WriteImage(HGLOBAL dib);

    HMODULE manager_ = nullptr;
    twain::DsmEntryProc entry_ = nullptr;
    HWND window_ = nullptr;
    twain::TwIdentity application_;
    twain::TwIdentity source_;
    std::string folder_;
    bool managerOpen_ = false;
    bool sourceOpen_ = false;
    bool enabled_ = false;
    bool closeRequested_ = false;
    int transfers_ = 0;
    std::vector<std::string> transferred_;
};

}  // namespace korva::host
