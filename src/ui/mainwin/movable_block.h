// A movable global memory block, allocated, locked, unlocked and freed by its owner.
#pragma once

#include <windows.h>

#include <cstddef>

namespace korva {

class MovableBlock {
  public:
    explicit MovableBlock(size_t bytes) : memory_(::GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ~MovableBlock() {
        if (memory_) {
            ::GlobalFree(memory_);
        }
    }
    MovableBlock(const MovableBlock&) = delete;
    MovableBlock& operator=(const MovableBlock&) = delete;

    explicit operator bool() const { return memory_ != nullptr; }
    HGLOBAL Get() const { return memory_; }

  private:
    HGLOBAL memory_;
};

// The block's bytes while the lock is held.
class LockedBlock {
  public:
    explicit LockedBlock(const MovableBlock& block)
        : memory_(block.Get()), data_(memory_ ? ::GlobalLock(memory_) : nullptr) {}
    ~LockedBlock() {
        if (data_) {
            ::GlobalUnlock(memory_);
        }
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    void* Data() const { return data_; }

  private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace korva
