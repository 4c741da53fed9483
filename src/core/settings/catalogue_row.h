// One row of the image-type, destination and tone-map catalogues (174 bytes when stored).
#pragma once

#include <array>
#include <cstdint>

namespace korva {

struct CatalogueRow {
    static constexpr int kValueCount = 25;
    std::array<char, 40> name{};  // zero-terminated
    std::array<char, 34> text{};  // zero-terminated; destinations only
    std::array<int32_t, kValueCount> values{};
};

inline constexpr int kCatalogueRowBytes = 174;

}  // namespace korva
