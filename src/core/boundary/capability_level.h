// The device capability levels (`level` of the block) from which the module sends more to the data
// source: tables and matrix instead of the exposure and destination codes, the third and fourth type
// flags, and the negative-film flag with the positive-film source's destination code.
#pragma once

#include <cstdint>

namespace korva::capability {

inline constexpr int64_t kTablesAndMatrix = 2;
inline constexpr int64_t kTypeFlagC = 3;
inline constexpr int64_t kTypeFlagD = 4;
inline constexpr int64_t kFilmSources = 6;

}  // namespace korva::capability
