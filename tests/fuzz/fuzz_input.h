// Splitting a fuzz input into the choices a target makes and the bytes it reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace korva::fuzz {

class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // The next byte, or 0 once the input is used up.
    uint8_t Byte() {
        if (size_ == 0) {
            return 0;
        }
        --size_;
        return *data_++;
    }
    // The next four bytes, little-endian.
    uint32_t Word() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= static_cast<uint32_t>(Byte()) << (8 * i);
        }
        return value;
    }
    // Everything not taken yet.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_), size_);
        data_ += size_;
        size_ = 0;
        return rest;
    }

  private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace korva::fuzz
