#include "core/settings/units.h"

#include <cstdio>

namespace korva {
namespace {

constexpr size_t kFieldCharacters = 11;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Format(const char* format, auto... values) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

}  // namespace

UnitKind ToUnitKind(int32_t stored) {
    switch (stored) {
        case 1:
            return UnitKind::kPixels;
        case 2:
            return UnitKind::kCentimetres;
        default:
            return UnitKind::kInches;
    }
}

std::optional<uint32_t> ParseDisplayNumber(std::string_view text, char separator) {
    text = text.substr(0, kFieldCharacters);
    const size_t point = text.find(separator);
    if (point == std::string_view::npos) {
        uint32_t whole = 0;
        for (char c : text) {
            if (!IsDigit(c)) {
                return std::nullopt;
            }
            whole = whole * 10u + static_cast<uint32_t>(c - '0');
        }
        return whole * 100u;
    }
    uint16_t whole = 0;
    for (char c : text.substr(0, point)) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        whole = static_cast<uint16_t>(whole * 10u + static_cast<unsigned>(c - '0'));
    }
    uint32_t fraction = 0;
    int digits = 0;
    for (char c : text.substr(point + 1)) {
        if (c == ' ') {
            break;
        }
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        if (digits < 2) {
            fraction = fraction * 10u + static_cast<uint32_t>(c - '0');
            ++digits;
        }
    }
    if (digits == 1) {
        fraction *= 10u;
    }
    return uint32_t{whole} * 100u + fraction;
}

std::string FormatDisplayValue(uint32_t value, UnitKind unit, char separator) {
    if (unit == UnitKind::kPixels) {
        return Format("%lu", static_cast<unsigned long>(value / 100u));
    }
    const char sep[2] = {separator, '\0'};
    return Format("%u%1s%02u", value / 100u, sep, value % 100u);
}

uint32_t DocumentToPixels(uint32_t length, int32_t resolution, PixelRule rule) {
    const auto res = static_cast<uint32_t>(resolution);
    const bool exact = rule == PixelRule::kSizeDisplay ? res % 100u != 0 : (res < 101u || length < 10001u);
    return exact ? length * res / 100u : length * (res / 100u);
}

std::string FormatDocumentLength(uint32_t length, UnitKind unit, int32_t resolution, PixelRule rule, char separator) {
    if (unit == UnitKind::kPixels) {
        return Format("%lu", static_cast<unsigned long>(DocumentToPixels(length, resolution, rule)));
    }
    uint32_t whole = length / 100u;
    uint32_t hundredths = length % 100u;
    if (unit == UnitKind::kCentimetres) {
        const uint32_t tenThousandths = length * 254u;
        whole = tenThousandths / 10000u;
        hundredths = (tenThousandths % 10000u) / 100u;
    }
    if (whole == 0 && hundredths == 0) {
        hundredths = 1;
    }
    const char sep[2] = {separator, '\0'};
    return Format("%d%1s%02d", static_cast<int32_t>(whole), sep, static_cast<int32_t>(hundredths));
}

uint32_t DisplayToDocument(uint32_t value, UnitKind unit, int32_t resolution) {
    switch (unit) {
        case UnitKind::kPixels:
            if (resolution <= 0) {
                return 0;
            }
            return (value + static_cast<uint32_t>(resolution) - 1u) / static_cast<uint32_t>(resolution);
        case UnitKind::kCentimetres:
            return (value * 100u + 253u) / 254u;
        case UnitKind::kInches:
            break;
    }
    return value;
}

uint32_t DisplayToTransferPixels(uint32_t value, UnitKind unit, int32_t resolution) {
    const auto res = static_cast<uint32_t>(resolution);
    switch (unit) {
        case UnitKind::kInches:
            return value * res;
        case UnitKind::kCentimetres:
            return value * 100u * res / 254u;
        case UnitKind::kPixels:
            break;
    }
    return value;
}

uint32_t DocumentToPreview(SizeField field, uint32_t length, const PreviewView& view) {
    const auto viewSize = static_cast<uint32_t>(IsHorizontal(field) ? view.viewWidth : view.viewHeight);
    const auto areaSize = static_cast<uint32_t>(IsHorizontal(field) ? view.areaWidth : view.areaHeight);
    if (areaSize == 0) {
        return 0;
    }
    return (length * viewSize + areaSize / 2u) / areaSize;
}

uint32_t DisplayToPreview(SizeField field,
                          uint32_t value,
                          const PreviewView& view,
                          int32_t scalePercent,
                          UnitKind unit,
                          int32_t resolution) {
    if (scalePercent <= 0 || resolution <= 0) {
        return 0;
    }
    uint32_t p = DocumentToPreview(field, value, view);
    if (field == SizeField::kOutWidth || field == SizeField::kOutHeight) {
        p = p * 100u / static_cast<uint32_t>(scalePercent);
    }
    return DisplayToDocument(p, unit, resolution);
}

}  // namespace korva
