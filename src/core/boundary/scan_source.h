// The document-source fields that every scan request carries: the source chosen on the active tab page,
// the colour-matching flag, the unsharp mask and, on devices that know film sources, the negative-film
// flag.
#pragma once

#include <cstdint>

#include "core/boundary/source_context.h"
#include "core/settings/scan_settings.h"

namespace korva {

// The document source of the page in front: the OCR page's when the tab flag is 1, else the Photo page's.
int32_t ActiveTabDocumentSource(const ScanSettings& settings);

// Scanning through the transparency unit from its negative-film source.
bool IsNegativeFilm(int32_t docSource, int64_t optionUnit);

// Writes docSource from the settings' document source, colorMatchActive, unsharpMask and, from the
// film-source level on, negativeFilm.
void WriteSourceFields(SourceContext& context, const ScanSettings& settings);

}  // namespace korva
