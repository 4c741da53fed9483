#include "core/settings/file_size.h"

#include <cstdio>

namespace korva {
namespace {

// Truncation of a non-negative estimate to the 32-bit unsigned range of the text's numbers.
uint32_t Whole(float value) {
    if (!(value >= 0.0f)) {
        return 0;
    }
    if (value >= 4294967296.0f) {
        return UINT32_MAX;
    }
    return static_cast<uint32_t>(value);
}

const char* BytesWord(char languageLetter) {
    switch (languageLetter) {
        case 'F':
            return "%lu O";
        case 'G':
            return "%lu Byte";
        case 'I':
            return "%lu byte";
        default:
            return "%lu Bytes";
    }
}

}  // namespace

float EstimatePixels(int32_t resolution, uint32_t width, uint32_t height) {
    const auto res = static_cast<uint32_t>(resolution);
    return static_cast<float>((res * width / 100.0) * (res * height / 100.0));
}

FileSizeEstimate EstimateBytesFromPixels(float pixels, uint32_t bitsPerPixel) {
    const auto bits = static_cast<float>(bitsPerPixel);
    FileSizeEstimate estimate;
    estimate.bytes = pixels < kKiloStepLimit ? bits * pixels / 8.0f : pixels / 8.0f * bits;
    if (estimate.bytes < 1.0f) {
        estimate.bytes = 1.0f;
    }
    if (estimate.bytes > kKiloStepLimit) {
        estimate.bytes /= 1024.0f;
        estimate.kiloStep = true;
    }
    return estimate;
}

std::string FormatFileSize(const FileSizeEstimate& estimate, char languageLetter, char separator) {
    const float n = estimate.bytes;
    const bool french = languageLetter == 'F';
    const char sep[2] = {separator, '\0'};
    char text[64];
    if (n < 1024.0f) {
        const char* format = estimate.kiloStep ? (french ? "%lu Ko" : "%lu KB") : BytesWord(languageLetter);
        std::snprintf(text, sizeof text, format, static_cast<unsigned long>(Whole(n)));
        return text;
    }
    uint32_t whole = 0;
    uint32_t hundredths = 0;
    const char* format = nullptr;
    if (n < 1048576.0f) {
        whole = Whole(n / 1024.0f);
        const uint32_t rest = Whole(n - static_cast<float>(whole) * 1024.0f);
        hundredths = (rest * 100u) >> 10;
        format = estimate.kiloStep ? (french ? "%lu%1s%02u Mo" : "%lu%1s%02u MB")
                                   : (french ? "%lu%1s%02u Ko" : "%lu%1s%02u KB");
    } else {
        whole = Whole(n / 1024.0f / 1024.0f);
        const uint32_t rest = Whole(n - static_cast<float>(whole) * 1048576.0f);
        hundredths = (rest * 100u) >> 20;
        format = estimate.kiloStep ? (french ? "%lu%1s%02u Go" : "%lu%1s%02u GB")
                                   : (french ? "%lu%1s%02u Mo" : "%lu%1s%02u MB");
    }
    std::snprintf(text, sizeof text, format, static_cast<unsigned long>(whole), sep, hundredths);
    return text;
}

}  // namespace korva
