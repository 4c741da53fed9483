// The three display tables (red, green, blue): a photographic density formula maps each input level
// through the channel's density line, the gray balance, the gamma and the highlight and shadow levels,
// then through the master tone curve and the channel's own tone curve.
#pragma once

#include "core/tone/tone_curve.h"
#include "core/tone/tone_state.h"

namespace korva {

// Reads tables.toneCurves (build them first with BuildToneMapCurves) and fills tables.displayTables.
// Input level 0 maps to 255 for a channel with negative gamma and to 0 otherwise, before the curves.
void BuildDisplayTables(const ExposureParams& params, ToneTables& tables);

// Tables that leave every level as it is.
DisplayTables IdentityTables();

// Every entry v becomes 255 - v.
void InvertTables(DisplayTables& tables);

}  // namespace korva
