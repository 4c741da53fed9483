// The estimated size of the scanned image and its text in the readout of the tab pages.
#pragma once

#include <cstdint>
#include <string>

namespace korva {

// Bytes in single precision; above 4194304 bytes the value is kept in kilobytes (`kiloStep`), which
// moves the unit words of the text one step up.
struct FileSizeEstimate {
    float bytes = 0.0f;
    bool kiloStep = false;
};

inline constexpr float kKiloStepLimit = 4194304.0f;

// Pixels of an area: (res × W / 100) × (res × H / 100), W and H in hundredths of an inch.
float EstimatePixels(int32_t resolution, uint32_t width, uint32_t height);

// Bytes of `pixels` pixels of `bitsPerPixel` bits, at least 1, with the kilo step applied.
FileSizeEstimate EstimateBytesFromPixels(float pixels, uint32_t bitsPerPixel);

inline FileSizeEstimate EstimateImageBytes(int32_t resolution, uint32_t width, uint32_t height, uint32_t bitsPerPixel) {
    return EstimateBytesFromPixels(EstimatePixels(resolution, width, height), bitsPerPixel);
}

// "24.07 MB", "1 Bytes" and the like; `languageLetter` 'F' gives the French words ("Mo", "O"), 'G'
// and 'I' the German and Italian words for bytes, any other letter English.
std::string FormatFileSize(const FileSizeEstimate& estimate, char languageLetter, char separator);

}  // namespace korva
