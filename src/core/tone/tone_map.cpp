#include "core/tone/tone_map.h"

namespace korva {

namespace {

constexpr uint32_t kColourPinFlags = 21;
constexpr uint32_t kShapedMasterPinFlags = 14;

struct BuiltInMaster {
    uint32_t nameStringId;
    std::array<int16_t, 5> outputs;
    uint32_t pinFlags;
};

constexpr std::array<BuiltInMaster, kBuiltInToneMapCount> kBuiltInMasters = {{
    {215, {8, 64, 128, 192, 245}, kColourPinFlags},
    {216, {4, 74, 133, 193, 245}, kShapedMasterPinFlags},
    {217, {11, 38, 82, 152, 245}, kShapedMasterPinFlags},
    {218, {2, 72, 129, 182, 245}, kShapedMasterPinFlags},
    {219, {2, 51, 129, 204, 245}, kShapedMasterPinFlags},
    {220, {5, 80, 129, 193, 245}, kShapedMasterPinFlags},
}};

}  // namespace

std::array<uint32_t, kToneMapValueCount> ToneMap::ToValues() const {
    std::array<uint32_t, kToneMapValueCount> values{};
    for (int c = 0; c < 4; ++c) {
        for (int p = 0; p < 5; ++p) {
            values[5 * c + p] = cells[c][p];
        }
        values[20 + c] = pinFlags[c];
    }
    values[24] = selectedChannel;
    return values;
}

ToneMap ToneMap::FromValues(const std::array<uint32_t, kToneMapValueCount>& values) {
    ToneMap toneMap;
    for (int c = 0; c < 4; ++c) {
        for (int p = 0; p < 5; ++p) {
            toneMap.cells[c][p] = values[5 * c + p];
        }
        toneMap.pinFlags[c] = values[20 + c];
    }
    toneMap.selectedChannel = values[24];
    return toneMap;
}

std::array<SplinePoint, 5> ToneMapPoints(const ToneMap& toneMap, int channel) {
    std::array<SplinePoint, 5> points{};
    for (int p = 0; p < 5; ++p) {
        points[p] = {kPointLevels[p], toneMap.PointOutput(channel, p), 1};
    }
    return points;
}

void BuildToneMapCurves(const ToneMap& toneMap, ToneTables& tables) {
    for (int c = 0; c < 4; ++c) {
        ToneCurve scratch{};
        BuildSplineCurve(ToneMapPoints(toneMap, c), scratch);
        tables.toneCurves[c] = scratch;
    }
    tables.toneCurvesInForce = true;
}

std::array<BuiltInToneMap, kBuiltInToneMapCount> BuiltInToneMaps() {
    std::array<BuiltInToneMap, kBuiltInToneMapCount> maps{};
    for (int m = 0; m < kBuiltInToneMapCount; ++m) {
        const BuiltInMaster& master = kBuiltInMasters[m];
        ToneMap& toneMap = maps[m].toneMap;
        maps[m].nameStringId = master.nameStringId;
        for (int p = 0; p < 5; ++p) {
            for (int c = kChannelRed; c <= kChannelBlue; ++c) {
                toneMap.SetPointOutput(c, p, kPointLevels[p]);
            }
            toneMap.SetPointOutput(kChannelMaster, p, master.outputs[p]);
        }
        toneMap.pinFlags = {kColourPinFlags, kColourPinFlags, kColourPinFlags, master.pinFlags};
        toneMap.selectedChannel = kChannelButtonMaster;
    }
    return maps;
}

}  // namespace korva
