// The document sizes of the tab pages' size buttons (970 .. 975) and the selection each one makes on the
// preview; 976 is the size the user typed or drew.
#pragma once

#include <cstdint>
#include <optional>

#include "core/preview/rect.h"

namespace korva {

inline constexpr int32_t kSizeA5 = 970;
inline constexpr int32_t kSizeB5 = 971;
inline constexpr int32_t kSizeA4 = 972;
inline constexpr int32_t kSizeCard = 973;
inline constexpr int32_t kSizeLetter = 974;
inline constexpr int32_t kSizeMax = 975;
inline constexpr int32_t kSizeTyped = 976;

struct DocumentSize {
    int32_t id = 0;
    char width[10] = {};  // inches, as the width and height fields show them
    char height[10] = {};
    float leftOffset = 0.0f;  // inches; centres the document on an 8.5-inch path
};

// The entry of a size button, or none for an id outside 970 .. 975.
std::optional<DocumentSize> FindDocumentSize(int32_t id);

// The selection a size button makes on a preview `previewWidth` pixels wide of a document
// `documentWidth` hundredths of an inch wide: p = previewWidth × 100 / documentWidth pixels per inch,
// left = p × offset, right = left + p × width, bottom = p × height, each truncated. Empty for "&Max",
// an unknown id or a document without width.
Rect DocumentSizeSelection(int32_t id, int32_t previewWidth, uint32_t documentWidth);

}  // namespace korva
