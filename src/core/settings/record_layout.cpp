#include "core/settings/record_layout.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace korva {
namespace {

// Writes each visited field at its offset.
class FieldWriter {
  public:
    explicit FieldWriter(std::span<uint8_t> bytes) : bytes_(bytes) {}

    void operator()(size_t offset, uint32_t value) const {
        for (size_t i = 0; i < 4; ++i) {
            bytes_[offset + i] = static_cast<uint8_t>(value >> (8 * i));
        }
    }
    void operator()(size_t offset, int32_t value) const { (*this)(offset, static_cast<uint32_t>(value)); }
    void operator()(size_t offset, float value) const { (*this)(offset, std::bit_cast<uint32_t>(value)); }
    template <size_t N>
    void operator()(size_t offset, const std::array<char, N>& text) const {
        std::memcpy(bytes_.data() + offset, text.data(), N);
    }

  private:
    std::span<uint8_t> bytes_;
};

// Reads each visited field from its offset.
class FieldReader {
  public:
    explicit FieldReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    void operator()(size_t offset, uint32_t& value) const {
        value = 0;
        for (size_t i = 0; i < 4; ++i) {
            value |= static_cast<uint32_t>(bytes_[offset + i]) << (8 * i);
        }
    }
    void operator()(size_t offset, int32_t& value) const {
        uint32_t raw = 0;
        (*this)(offset, raw);
        value = static_cast<int32_t>(raw);
    }
    void operator()(size_t offset, float& value) const {
        uint32_t raw = 0;
        (*this)(offset, raw);
        value = std::bit_cast<float>(raw);
    }
    template <size_t N>
    void operator()(size_t offset, std::array<char, N>& text) const {
        std::memcpy(text.data(), bytes_.data() + offset, N);
    }

  private:
    std::span<const uint8_t> bytes_;
};

// The layouts. Each visits every field of a record with its offset inside `base`; a const record is
// visited for writing, a mutable one for reading.
template <class Row, class Visit>
void CatalogueRowFields(Row& row, size_t base, Visit&& visit) {
    visit(base + 0, row.name);
    visit(base + 40, row.text);
    for (size_t i = 0; i < CatalogueRow::kValueCount; ++i) {
        visit(base + 74 + 4 * i, row.values[i]);
    }
}

template <class R, class Visit>
void RectFields(R& rect, size_t base, Visit&& visit) {
    visit(base + 0, rect.left);
    visit(base + 4, rect.top);
    visit(base + 8, rect.right);
    visit(base + 12, rect.bottom);
}

template <class Floats, class Visit>
void FloatTripleFields(Floats& floats, size_t base, Visit&& visit) {
    for (size_t i = 0; i < 3; ++i) {
        visit(base + 4 * i, floats[i]);
    }
}

template <class Block, class Visit>
void SettingsBlockFields(Block& b, size_t base, Visit&& visit) {
    visit(base + 0, b.docSource);
    visit(base + 4, b.imageType);
    visit(base + 8, b.destination);
    visit(base + 12, b.scanResolution);
    visit(base + 16, b.unit);
    visit(base + 20, b.width);
    visit(base + 24, b.height);
    visit(base + 28, b.outWidth);
    visit(base + 32, b.outHeight);
    visit(base + 36, b.scalePercent);
    visit(base + 40, b.processingFlag14);
    visit(base + 44, b.imageLocked);
    visit(base + 48, b.exposure);
    visit(base + 52, b.gamma);
    visit(base + 56, b.highlight);
    visit(base + 60, b.shadow);
    visit(base + 64, b.sharpness);
    visit(base + 68, b.threshold);
    visit(base + 72, b.toneMapIndex);
    visit(base + 76, b.grayBalance);
    visit(base + 80, b.saturation);
    visit(base + 84, b.red);
    visit(base + 88, b.green);
    visit(base + 92, b.blue);
    visit(base + 96, b.switchRed);
    visit(base + 100, b.switchGreen);
    visit(base + 104, b.switchBlue);
    visit(base + 108, b.areaWidth);
    visit(base + 112, b.areaHeight);
    visit(base + 116, b.areaLeft);
    visit(base + 120, b.areaTop);
    RectFields(b.currentRect, base + 124, visit);
    FloatTripleFields(b.channelGamma, base + 140, visit);
    FloatTripleFields(b.channelOffset, base + 152, visit);
    FloatTripleFields(b.channelBalance, base + 164, visit);
    visit(base + 176, b.darkDocument);
    CatalogueRowFields(b.toneMap, base + 180, visit);
    visit(base + 354, b.selectionWidth);
    visit(base + 358, b.selectionHeight);
    visit(base + 362, b.selectionLeft);
    visit(base + 366, b.selectionTop);
    visit(base + 370, b.param8);
    visit(base + 374, b.param9);
    visit(base + 378, b.focusPosition);
}

template <class Zoom, class Visit>
void ZoomRecordFields(Zoom& z, size_t base, Visit&& visit) {
    visit(base + 0, z.areaLeft);
    visit(base + 4, z.areaTop);
    visit(base + 8, z.areaWidth);
    visit(base + 12, z.areaHeight);
    visit(base + 16, z.viewWidth);
    visit(base + 20, z.viewHeight);
    visit(base + 24, z.fullWidth);
    visit(base + 28, z.fullHeight);
    visit(base + 32, z.resolution);
    visit(base + 36, z.scale);
    visit(base + 40, z.scannedWidth);
    visit(base + 44, z.scannedHeight);
}

template <class M, class Visit>
void MarqueeFields(M& m, Visit&& visit) {
    RectFields(m.view, 0, visit);
    RectFields(m.viewTenths, 16, visit);
    RectFields(m.fullTenths, 32, visit);
    RectFields(m.document, 48, visit);
    SettingsBlockFields(m.settings, kMarqueeSettingsOffset, visit);
    ZoomRecordFields(m.zoom, 446, visit);
    RectFields(m.zoomRect, 494, visit);
    // Bytes 510 … 517: the previous and next links of the list in memory.
}

}  // namespace

void EncodeCatalogueRow(const CatalogueRow& row, std::span<uint8_t, kCatalogueRowBytes> bytes) {
    CatalogueRowFields(row, 0, FieldWriter(bytes));
}

CatalogueRow DecodeCatalogueRow(std::span<const uint8_t, kCatalogueRowBytes> bytes) {
    CatalogueRow row;
    CatalogueRowFields(row, 0, FieldReader(bytes));
    return row;
}

void EncodeSettingsBlock(const SettingsBlock& block, std::span<uint8_t, kSettingsBlockBytes> bytes) {
    SettingsBlockFields(block, 0, FieldWriter(bytes));
}

SettingsBlock DecodeSettingsBlock(std::span<const uint8_t, kSettingsBlockBytes> bytes) {
    SettingsBlock block;
    SettingsBlockFields(block, 0, FieldReader(bytes));
    return block;
}

void EncodeMarquee(const Marquee& marquee, std::span<uint8_t, kMarqueeRecordBytes> bytes) {
    std::fill(bytes.begin(), bytes.end(), uint8_t{0});
    MarqueeFields(marquee, FieldWriter(bytes));
}

Marquee DecodeMarquee(std::span<const uint8_t, kMarqueeRecordBytes> bytes) {
    Marquee marquee;
    MarqueeFields(marquee, FieldReader(bytes));
    return marquee;
}

}  // namespace korva
