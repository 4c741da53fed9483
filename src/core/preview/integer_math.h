// Integer divisions of the preview geometry. Operands are widened to 64 bits so that products of two
// 32-bit values cannot overflow; a zero divisor (no geometry yet, a record with a zero bed) yields 0.
#pragma once

#include <cstdint>

namespace korva {

inline int64_t DivideOrZero(int64_t numerator, int64_t divisor) {
    return divisor == 0 ? 0 : numerator / divisor;
}

// The "rounded" division: half the divisor is added before the truncating division.
inline int64_t RoundedDivide(int64_t numerator, int64_t divisor) {
    return divisor == 0 ? 0 : (numerator + divisor / 2) / divisor;
}

// The low 32 bits as a signed value, as a 32-bit field keeps a wider result.
inline int32_t Low32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

inline int64_t Abs64(int64_t value) {
    return value < 0 ? -value : value;
}

}  // namespace korva
