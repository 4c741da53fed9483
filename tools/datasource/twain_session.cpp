#include "tools/datasource/twain_session.h"

#include <algorithm>
#include <utility>

namespace korva::sim {
namespace {

namespace tw = twain;

// A frame may end this far past the bed, in inches, for the rounding of its units.
constexpr double kFrameTolerance = 0.005;
constexpr uint32_t kPreferredStripBytes = 256 * 1024;

}  // namespace

tw::TwImageInfo DescribeImage(const PendingImage& image) {
    tw::TwImageInfo info;
    info.xResolution = info.yResolution = tw::ToFix32(image.dpi);
    info.imageWidth = image.bitmap.width;
    info.imageLength = image.bitmap.height;
    const bool rgb = image.bitmap.bitsPerPixel == 24;
    info.samplesPerPixel = rgb ? 3 : 1;
    for (int i = 0; i < info.samplesPerPixel; ++i) {
        info.bitsPerSample[i] = static_cast<int16_t>(rgb ? 8 : image.bitmap.bitsPerPixel);
    }
    info.bitsPerPixel = static_cast<int16_t>(image.bitmap.bitsPerPixel);
    info.pixelType = static_cast<int16_t>(image.pixelType);
    info.compression = tw::kCpNone;
    return info;
}

uint16_t TwainSession::Open(const DeviceModel& model) {
    caps_.emplace(model);
    images_.clear();
    closeRequested_ = false;
    layoutNegotiated_ = false;
    frame_ = Frame{0, 0, caps_->BedWidth(), caps_->BedHeight()};
    state_ = kOpen;
    return tw::kCcSuccess;
}

void TwainSession::Close() {
    images_.clear();
    closeRequested_ = false;
    state_ = kClosed;
}

Frame TwainSession::Layout() {
    if (caps_->TakeSizeChange()) {
        layoutNegotiated_ = caps_->SizeWidth() > 0;
        const double width = caps_->SizeWidth();
        frame_ =
            width > 0 ? Frame{0, 0, width, caps_->SizeHeight()} : Frame{0, 0, caps_->BedWidth(), caps_->BedHeight()};
    }
    return frame_;
}

CapabilityReply TwainSession::Capability(uint16_t cap, uint16_t msg, uint16_t conType, std::span<const uint8_t> in) {
    if (state_ == kClosed) {
        CapabilityReply reply;
        reply.rc = tw::kRcFailure;
        reply.condition = tw::kCcSeqError;
        return reply;
    }
    return caps_->Run(cap, msg, conType, in, state_ == kOpen);
}

uint16_t TwainSession::ImageLayout(uint16_t msg, tw::TwImageLayout& layout) {
    if (state_ == kClosed || (msg != tw::kMsgGet && state_ != kOpen)) {
        return tw::kCcSeqError;
    }
    const double perInch = caps_->UnitsPerInch();
    if (msg == tw::kMsgSet) {
        const Frame f{tw::FromFix32(layout.frame.left) / perInch, tw::FromFix32(layout.frame.top) / perInch,
                      tw::FromFix32(layout.frame.right) / perInch, tw::FromFix32(layout.frame.bottom) / perInch};
        if (f.left < 0 || f.top < 0 || f.left >= f.right || f.top >= f.bottom ||
            f.right > caps_->BedWidth() + kFrameTolerance || f.bottom > caps_->BedHeight() + kFrameTolerance) {
            return tw::kCcBadValue;
        }
        Layout();
        frame_ = f;
        layoutNegotiated_ = true;
    } else if (msg == tw::kMsgReset) {
        Layout();
        frame_ = Frame{0, 0, caps_->BedWidth(), caps_->BedHeight()};
        layoutNegotiated_ = false;
    } else if (msg != tw::kMsgGet && msg != tw::kMsgGetDefault) {
        return tw::kCcBadProtocol;
    }
    const Frame f = msg == tw::kMsgGetDefault ? Frame{0, 0, caps_->BedWidth(), caps_->BedHeight()} : Layout();
    layout.frame = {tw::ToFix32(f.left * perInch), tw::ToFix32(f.top * perInch), tw::ToFix32(f.right * perInch),
                    tw::ToFix32(f.bottom * perInch)};
    layout.documentNumber = layout.pageNumber = layout.frameNumber = 1;
    return tw::kCcSuccess;
}

uint16_t TwainSession::Enable() {
    if (state_ != kOpen) {
        return tw::kCcSeqError;
    }
    state_ = kEnabled;
    transfersLeft_ = caps_->TransferCount();
    return tw::kCcSuccess;
}

uint16_t TwainSession::Disable() {
    if (state_ != kEnabled) {
        return tw::kCcSeqError;
    }
    images_.clear();
    closeRequested_ = false;
    state_ = kOpen;
    return tw::kCcSuccess;
}

uint16_t TwainSession::TakeReply(bool scanning) {
    if (state_ == kEnabled && !scanning && !images_.empty()) {
        state_ = kReady;
        return tw::kMsgXferReady;
    }
    if (state_ == kEnabled && images_.empty() && std::exchange(closeRequested_, false)) {
        return tw::kMsgCloseDsReq;
    }
    return tw::kMsgNull;
}

uint16_t TwainSession::ImageInfo(tw::TwImageInfo& info) const {
    if (state_ != kReady && state_ != kTransferring) {
        return tw::kCcSeqError;
    }
    info = DescribeImage(images_.front());
    return tw::kCcSuccess;
}

const PendingImage* TwainSession::NextImage(uint16_t& condition) const {
    if (state_ != kReady || caps_->TransferMechanism() != tw::kSxNative) {
        condition = tw::kCcSeqError;
        return nullptr;
    }
    condition = tw::kCcSuccess;
    return &images_.front();
}

uint16_t TwainSession::SetupMemory(tw::TwSetupMemXfer& setup) const {
    if (state_ == kClosed) {
        return tw::kCcSeqError;
    }
    setup.minBufSize = caps_->WidestRowBytes();
    setup.maxBufSize = 0xFFFFFFFF;  // any size
    setup.preferred = std::max(setup.minBufSize, kPreferredStripBytes);
    return tw::kCcSuccess;
}

uint16_t TwainSession::NextStrip(uint32_t capacity,
                                 tw::TwImageMemXfer& strip,
                                 std::vector<uint8_t>& bytes,
                                 bool& done) {
    if (state_ == kReady) {
        nextRow_ = 0;
    }
    const bool started = state_ == kReady || (state_ == kTransferring && nextRow_ > 0);
    if (!started || caps_->TransferMechanism() != tw::kSxMemory || nextRow_ >= images_.front().bitmap.height) {
        return tw::kCcSeqError;
    }
    const tools::BitmapImage& image = images_.front().bitmap;
    const size_t stride = image.Stride();
    const auto rows = static_cast<int32_t>(std::min<size_t>(capacity / stride, image.height - nextRow_));
    if (rows == 0) {
        return tw::kCcBadValue;
    }
    bytes.resize(stride * rows);
    for (int32_t r = 0; r < rows; ++r) {
        const uint8_t* from = image.rows.data() + (image.height - 1 - nextRow_ - r) * stride;
        uint8_t* to = bytes.data() + r * stride;
        std::copy(from, from + stride, to);
        if (image.bitsPerPixel == 24) {
            for (int32_t x = 0; x < image.width; ++x) {
                std::swap(to[x * 3], to[x * 3 + 2]);
            }
        }
    }
    strip.compression = tw::kCpNone;
    strip.bytesPerRow = static_cast<uint32_t>(stride);
    strip.columns = static_cast<uint32_t>(image.width);
    strip.rows = static_cast<uint32_t>(rows);
    strip.xOffset = 0;
    strip.yOffset = static_cast<uint32_t>(nextRow_);
    strip.bytesWritten = static_cast<uint32_t>(bytes.size());
    nextRow_ += rows;
    done = nextRow_ == image.height;
    state_ = kTransferring;
    return tw::kCcSuccess;
}

uint16_t TwainSession::Remaining() const {
    const auto queued = static_cast<int32_t>(images_.size());
    return static_cast<uint16_t>(transfersLeft_ < 0 ? queued : std::min(queued, transfersLeft_));
}

uint16_t TwainSession::EndTransfer(tw::TwPendingXfers& pending) {
    if (state_ != kReady && state_ != kTransferring) {
        return tw::kCcSeqError;
    }
    images_.pop_front();
    nextRow_ = 0;
    if (transfersLeft_ > 0) {
        --transfersLeft_;
    }
    pending.count = Remaining();
    pending.endOfJob = 0;
    if (pending.count == 0) {
        images_.clear();
        transfersLeft_ = caps_->TransferCount();
        state_ = kEnabled;
    } else {
        state_ = kReady;
    }
    return tw::kCcSuccess;
}

uint16_t TwainSession::ResetTransfers(tw::TwPendingXfers& pending) {
    if (state_ != kReady) {
        return tw::kCcSeqError;
    }
    images_.clear();
    pending.count = 0;
    pending.endOfJob = 0;
    transfersLeft_ = caps_->TransferCount();
    state_ = kEnabled;
    return tw::kCcSuccess;
}

}  // namespace korva::sim
