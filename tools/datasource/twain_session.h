// One application's session with the simulated scanner, from the opening of the source to its closing:
// the protocol state (4 open, 5 enabled, 6 images ready, 7 transferring), the capabilities and image
// layout negotiated while open, and the images waiting for transfer. Each operation answers with the
// condition code a failure reports, kCcSuccess when it succeeded.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "tools/common/bitmap_writer.h"
#include "tools/common/twain_defs.h"
#include "tools/datasource/device_model.h"
#include "tools/datasource/twain_capabilities.h"

namespace korva::sim {

// A scanned image waiting for its transfer.
struct PendingImage {
    tools::BitmapImage bitmap;
    double dpi = 0;
    int32_t pixelType = 2;  // the module's: 0 black and white, 1 grey, 2 RGB, 3 palette
};

// What the application learns of an image before transferring it.
twain::TwImageInfo DescribeImage(const PendingImage& image);

// The area to scan, in inches from the bed's top left corner.
struct Frame {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

class TwainSession {
  public:
    enum State : uint16_t { kClosed = 3, kOpen = 4, kEnabled = 5, kReady = 6, kTransferring = 7 };

    State Current() const { return state_; }
    const CapabilityTable& Capabilities() const { return *caps_; }
    // The layout in inches, following a page size chosen since it was last set.
    Frame Layout();
    // True when the application has set the layout or chosen a page size.
    bool LayoutNegotiated() const { return layoutNegotiated_; }

    uint16_t Open(const DeviceModel& model);
    void Close();
    CapabilityReply Capability(uint16_t cap, uint16_t msg, uint16_t conType, std::span<const uint8_t> in);
    uint16_t ImageLayout(uint16_t msg, twain::TwImageLayout& layout);
    uint16_t Enable();
    uint16_t Disable();

    // The module's scans: images join the queue; the application hears of them once the module has
    // finished the scan they belong to (`scanning` false), and of a close request after its images.
    void AddImage(PendingImage image) { images_.push_back(std::move(image)); }
    void RequestClose() { closeRequested_ = true; }
    uint16_t TakeReply(bool scanning);

    uint16_t ImageInfo(twain::TwImageInfo& info) const;
    // The image to transfer now, or null (with the condition in `condition`) outside state 6; once it has
    // been handed over, Transferred.
    const PendingImage* NextImage(uint16_t& condition) const;
    void Transferred() { state_ = kTransferring; }
    // The buffer sizes of memory transfers.
    uint16_t SetupMemory(twain::TwSetupMemXfer& setup) const;
    // The next strip of the announced image for a memory transfer into `capacity` bytes: whole rows, top
    // down, samples in the protocol's order (red, green, blue); `done` once the last row is out.
    uint16_t NextStrip(uint32_t capacity, twain::TwImageMemXfer& strip, std::vector<uint8_t>& bytes, bool& done);
    uint16_t EndTransfer(twain::TwPendingXfers& pending);
    uint16_t ResetTransfers(twain::TwPendingXfers& pending);

  private:
    uint16_t Remaining() const;

    State state_ = kClosed;
    std::optional<CapabilityTable> caps_;
    Frame frame_;
    std::deque<PendingImage> images_;
    int32_t nextRow_ = 0;         // of a memory transfer under way
    int32_t transfersLeft_ = -1;  // what CAP_XFERCOUNT still allows, -1 for all
    bool closeRequested_ = false;
    bool layoutNegotiated_ = false;
};

}  // namespace korva::sim
