// The stored byte forms of the catalogue row (174 bytes), the settings block (382 bytes) and the
// marquee record (518 bytes): little-endian, field by field at fixed offsets.
#pragma once

#include <cstdint>
#include <span>

#include "core/preview/marquee.h"
#include "core/settings/catalogue_row.h"
#include "core/settings/settings_block.h"

namespace korva {

void EncodeCatalogueRow(const CatalogueRow& row, std::span<uint8_t, kCatalogueRowBytes> bytes);
CatalogueRow DecodeCatalogueRow(std::span<const uint8_t, kCatalogueRowBytes> bytes);

void EncodeSettingsBlock(const SettingsBlock& block, std::span<uint8_t, kSettingsBlockBytes> bytes);
SettingsBlock DecodeSettingsBlock(std::span<const uint8_t, kSettingsBlockBytes> bytes);

// The two list links at the end of a stored marquee are written as zeros and ignored when read.
void EncodeMarquee(const Marquee& marquee, std::span<uint8_t, kMarqueeRecordBytes> bytes);
Marquee DecodeMarquee(std::span<const uint8_t, kMarqueeRecordBytes> bytes);

}  // namespace korva
