// Display units and the conversions between typed display values, document lengths (hundredths of an
// inch), transfer pixels and preview pixels. All arithmetic is unsigned 32-bit with truncating
// divisions, as the size fields and the size stored in the settings expect.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/preview/preview_view.h"

namespace korva {

enum class UnitKind : uint32_t { kInches = 0, kPixels = 1, kCentimetres = 2 };

// The stored unit number as a unit; numbers other than 1 and 2 count as inches.
UnitKind ToUnitKind(int32_t stored);

// The size fields of the main dialog and of the output size, by control id.
enum class SizeField : int { kOutWidth = 131, kOutHeight = 136, kWidth = 191, kHeight = 192 };

inline bool IsHorizontal(SizeField field) {
    return field == SizeField::kWidth || field == SizeField::kOutWidth;
}

// The number typed into a size field as a display value (hundredths of the display unit), or nothing
// when the text is not a number: at most 11 characters are read, digits only, with at most one
// `separator` followed by fraction digits of which the first two count; a blank after the fraction
// ends the number. An empty text is 0.
std::optional<uint32_t> ParseDisplayNumber(std::string_view text, char separator);

// A display value as a size field shows it: whole pixels, or units with two decimals.
std::string FormatDisplayValue(uint32_t value, UnitKind unit, char separator);

// The two ways of turning a document length into pixels: the size display uses the exact product
// unless the resolution is a multiple of 100; unit changes and the settings summary use it only for
// small resolutions or lengths.
enum class PixelRule { kSizeDisplay, kUnitChange };
uint32_t DocumentToPixels(uint32_t length, int32_t resolution, PixelRule rule);

// A document length in a unit: "8.50" inches, "21.59" cm, "2550" pixels. Zero lengths show as 0.01.
std::string FormatDocumentLength(uint32_t length, UnitKind unit, int32_t resolution, PixelRule rule, char separator);

// A display value back to a document length, rounded up. Zero when the resolution is not positive.
uint32_t DisplayToDocument(uint32_t value, UnitKind unit, int32_t resolution);

// A display value to transfer pixels times 100 (the caller divides by 100 for the pixel count).
uint32_t DisplayToTransferPixels(uint32_t value, UnitKind unit, int32_t resolution);

// A document length along a size field's axis to preview pixels, rounded to nearest; 0 without an area.
uint32_t DocumentToPreview(SizeField field, uint32_t length, const PreviewView& view);

// A display value of a size field to preview pixels: the document-to-preview step, the scale for the
// output-size fields, then the unit; 0 when the scale or the resolution is not positive.
uint32_t DisplayToPreview(SizeField field,
                          uint32_t value,
                          const PreviewView& view,
                          int32_t scalePercent,
                          UnitKind unit,
                          int32_t resolution);

}  // namespace korva
