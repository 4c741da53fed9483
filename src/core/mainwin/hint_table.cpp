#include "core/mainwin/hint_table.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <utility>

namespace korva {
namespace {

// The controls whose hint is string 301 + their position here, in this order.
constexpr std::array<int32_t, 29> kTrackedControls = {111, 112, 113, 114, 115, 372, 191, 192, 138, 197,
                                                      131, 136, 141, 142, 941, 944, 947, 950, 953, 956,
                                                      354, 196, 180, 184, 186, 2,   350, 1,   373};

// Controls of the main dialog and the tab pages that the table above does not list, with their hints.
constexpr std::pair<int32_t, int> kFurtherHints[] = {
    {733, 333}, {1019, 334}, {425, 335}, {970, 336}, {971, 336}, {972, 336}, {973, 336},  {974, 336},
    {975, 337}, {980, 338},  {981, 339}, {982, 340}, {250, 341}, {251, 341}, {1018, 342}, {990, 343},
    {991, 343}, {182, 344},  {120, 345}, {789, 380}, {959, 381}, {962, 382}, {729, 383},  {737, 384},
};

// The adjustment windows: each scroll bar and its value field.
constexpr std::pair<int32_t, int> kAdjustmentHints[] = {
    {200, 1312}, {201, 1312}, {210, 1313}, {211, 1313}, {220, 1314}, {221, 1314}, {230, 1315}, {231, 1315}, {240, 1316},
    {241, 1316}, {260, 1317}, {261, 1317}, {270, 1318}, {271, 1318}, {438, 1319}, {439, 1320}, {434, 1321},
};

}  // namespace

int HintStringFor(int32_t controlId) {
    for (size_t i = 0; i < kTrackedControls.size(); ++i) {
        if (kTrackedControls[i] == controlId) {
            return kHintReady + 1 + static_cast<int>(i);
        }
    }
    using HintTable = std::span<const std::pair<int32_t, int>>;
    for (const HintTable table : {HintTable(kFurtherHints), HintTable(kAdjustmentHints)}) {
        for (const auto& [id, hint] : table) {
            if (id == controlId) {
                return hint;
            }
        }
    }
    return kHintReady;
}

int DragHintFor(HitZone zone) {
    if (zone == HitZone::kMove) {
        return 331;
    }
    return IsResizeZone(zone) ? 332 : 330;
}

}  // namespace korva
