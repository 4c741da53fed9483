// A packed device-independent bitmap in a movable global block, as the data source hands previews over:
// owned, freed on reset, and readable as bytes while locked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace korva {

class GlobalDib {
  public:
    GlobalDib() = default;
    ~GlobalDib() { Reset(); }
    GlobalDib(const GlobalDib&) = delete;
    GlobalDib& operator=(const GlobalDib&) = delete;

    // Takes over a block; null empties the slot.
    void Adopt(HGLOBAL block);
    // Copies bytes into a new block; false (slot empty) when memory is refused.
    bool CopyFrom(std::span<const uint8_t> bytes);
    void Reset();
    // Gives the block up to the caller; the slot is empty afterwards.
    HGLOBAL Release() {
        HGLOBAL block = block_;
        block_ = nullptr;
        return block;
    }

    bool Exists() const { return block_ != nullptr; }
    HGLOBAL Handle() const { return block_; }

  private:
    HGLOBAL block_ = nullptr;
};

// The bytes of a block while this object lives.
class LockedDib {
  public:
    explicit LockedDib(const GlobalDib& dib);
    ~LockedDib();
    LockedDib(const LockedDib&) = delete;
    LockedDib& operator=(const LockedDib&) = delete;

    std::span<const uint8_t> Bytes() const { return bytes_; }

  private:
    HGLOBAL block_;
    std::span<const uint8_t> bytes_;
};

}  // namespace korva
