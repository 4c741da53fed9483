#include "ui/preview/global_dib.h"

#include <cstring>

namespace korva {

void GlobalDib::Adopt(HGLOBAL block) {
    Reset();
    block_ = block;
}

bool GlobalDib::CopyFrom(std::span<const uint8_t> bytes) {
    Reset();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!block) {
        return false;
    }
    if (void* target = ::GlobalLock(block)) {
        std::memcpy(target, bytes.data(), bytes.size());
        ::GlobalUnlock(block);
        block_ = block;
        return true;
    }
    ::GlobalFree(block);
    return false;
}

void GlobalDib::Reset() {
    if (block_) {
        ::GlobalFree(block_);
        block_ = nullptr;
    }
}

LockedDib::LockedDib(const GlobalDib& dib) : block_(dib.Handle()) {
    if (block_) {
        if (auto* bytes = static_cast<const uint8_t*>(::GlobalLock(block_))) {
            bytes_ = std::span<const uint8_t>(bytes, ::GlobalSize(block_));
        }
    }
}

LockedDib::~LockedDib() {
    if (!bytes_.empty()) {
        ::GlobalUnlock(block_);
    }
}

}  // namespace korva
