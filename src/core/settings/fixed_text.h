// Texts kept in the fixed-size character fields of the stored records and in the bounded buffers of
// the settings (names of 40 bytes, directories of 80, paths of 128): every copy is cut so that it fits
// with its terminating zero.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace korva {

// `text` cut before its first zero and to at most capacity - 1 characters.
inline std::string Bounded(std::string_view text, size_t capacity) {
    text = text.substr(0, text.find('\0'));
    return std::string(text.substr(0, capacity == 0 ? 0 : capacity - 1));
}

// Stores `text` zero-padded into `field`, cut so that the last byte stays zero.
template <size_t N>
void SetFieldText(std::array<char, N>& field, std::string_view text) {
    field.fill('\0');
    const std::string cut = Bounded(text, N);
    std::copy(cut.begin(), cut.end(), field.begin());
}

// The text of a zero-terminated field; stops at the end of the field when no zero comes first.
template <size_t N>
std::string FieldText(const std::array<char, N>& field) {
    return std::string(field.begin(), std::find(field.begin(), field.end(), '\0'));
}

}  // namespace korva
