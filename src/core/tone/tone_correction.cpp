#include "core/tone/tone_correction.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "core/settings/fixed_text.h"
#include "core/settings/pixel_types.h"
#include "core/tone/spline.h"

namespace korva {

CurveScreenPoints CurveToScreen(const ToneCurve& curve, int32_t width, int32_t height) {
    CurveScreenPoints points{};
    for (int32_t i = 0; i < 256; ++i) {
        points[i] = {(i * width) / 255, ((255 - curve[i]) * height) / 255};
    }
    return points;
}

int HitTestPoint(const CurveScreenPoints& points, int32_t x, int32_t y) {
    for (int p = 0; p < 5; ++p) {
        const CurvePoint& mark = points[kPointLevels[p]];
        if (std::abs(x - mark.x) <= kPointHitRadius && std::abs(y - mark.y) <= kPointHitRadius) {
            return p;
        }
    }
    return -1;
}

int32_t DragLevel(int32_t y, int32_t height) {
    if (height <= 0) {
        return 0;
    }
    return std::clamp(255 - (y * 255) / height, 0, 255);
}

std::optional<int32_t> ParseLevel(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(first);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, 255));
}

int ChannelOfButton(uint32_t buttonId) {
    if (buttonId >= kChannelButtonRed && buttonId <= kChannelButtonMaster) {
        return static_cast<int>(buttonId - kChannelButtonRed);
    }
    return kChannelMaster;
}

ToneMap RowToneMap(const CatalogueRow& row) {
    std::array<uint32_t, kToneMapValueCount> values{};
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<uint32_t>(row.values[i]);
    }
    return ToneMap::FromValues(values);
}

void StoreToneMap(CatalogueRow& row, const ToneMap& toneMap) {
    const auto values = toneMap.ToValues();
    for (size_t i = 0; i < values.size(); ++i) {
        row.values[i] = static_cast<int32_t>(values[i]);
    }
}

void SetTonePoint(ToneMap& toneMap, int channel, int point, int16_t level) {
    std::array<SplinePoint, 5> points = ToneMapPoints(toneMap, channel);
    for (int p = 1; p < 4; ++p) {
        points[p].inForce = toneMap.IsPinned(channel, p) ? 1 : 0;
    }
    points[point].output = level;
    points[point].inForce = 1;
    ToneCurve curve{};
    BuildSplineCurve(points, curve);
    for (int p = 0; p < 5; ++p) {
        toneMap.SetPointOutput(channel, p, curve[kPointLevels[p]]);
    }
}

bool OnlyMasterChannel(const ScanSettings& settings) {
    const CatalogueRow* row = settings.imageTypes.CurrentRow();
    const PixelTypeInfo* type = row ? FindPixelType(settings.pixelTypes, row->values[image_type::kPixelType]) : nullptr;
    return type && (type->colourClass == ColourClass::kGrey || type->colourClass == ColourClass::kBlackWhite);
}

ToneCorrectionSession::ToneCorrectionSession(ScanSettings& settings) : settings_(settings) {
    const Catalogue& list = settings.toneMaps;
    count_ = std::clamp<int32_t>(list.count, 0, static_cast<int32_t>(list.rows.size()));
    rows_.assign(list.rows.begin(), list.rows.begin() + count_);
    rows_.resize(static_cast<size_t>(count_ + kToneMapSpareEntries));
    index_ = std::clamp(list.current, 0, count_);
    if (!UserDefined()) {
        settings.toneMapInForce = rows_[static_cast<size_t>(index_)];
        settings.toneMapWorking = settings.toneMapInForce;
        settings.toneChannelShown = settings.toneMapInForce.values[tone_map::kSelectedChannelCell];
    }
}

std::vector<std::string> ToneCorrectionSession::Names() const {
    std::vector<std::string> names;
    for (int32_t i = 0; i < count_; ++i) {
        names.push_back(FieldText(rows_[static_cast<size_t>(i)].name));
    }
    return names;
}

int32_t ToneCorrectionSession::Find(std::string_view name) const {
    for (int32_t i = 0; i < count_; ++i) {
        if (FieldText(rows_[static_cast<size_t>(i)].name) == name) {
            return i;
        }
    }
    return -1;
}

int ToneCorrectionSession::SelectedChannel() const {
    return ChannelOfButton(Current().selectedChannel);
}

void ToneCorrectionSession::StoreCurrent(const ToneMap& toneMap) {
    StoreToneMap(settings_.toneMapInForce, toneMap);
    settings_.toneChannelShown = static_cast<int32_t>(toneMap.selectedChannel);
}

void ToneCorrectionSession::SelectChannel(uint32_t buttonId) {
    ToneMap toneMap = Current();
    toneMap.selectedChannel = kChannelButtonRed + static_cast<uint32_t>(ChannelOfButton(buttonId));
    StoreCurrent(toneMap);
}

void ToneCorrectionSession::KeepToMaster() {
    SelectChannel(kChannelButtonMaster);
    settings_.toneMapWorking.values[tone_map::kSelectedChannelCell] = tone_map::kMasterButton;
}

bool ToneCorrectionSession::LeaveBuiltIn() {
    if (index_ >= kProtectedToneMaps) {
        return false;
    }
    index_ = count_;
    return true;
}

void ToneCorrectionSession::SetPoint(int point, int32_t level) {
    ToneMap toneMap = Current();
    SetTonePoint(toneMap, SelectedChannel(), point, static_cast<int16_t>(level));
    StoreCurrent(toneMap);
}

void ToneCorrectionSession::TogglePin(int point) {
    ToneMap toneMap = Current();
    toneMap.pinFlags[SelectedChannel()] ^= 1u << point;
    StoreCurrent(toneMap);
}

void ToneCorrectionSession::SelectEntry(int32_t index) {
    if (index < 0 || index >= count_) {
        return;
    }
    index_ = index;
    settings_.toneMapInForce = rows_[static_cast<size_t>(index)];
    settings_.toneChannelShown = settings_.toneMapInForce.values[tone_map::kSelectedChannelCell];
}

SaveOutcome ToneCorrectionSession::Save(std::string_view name) {
    int32_t target = Find(name);
    if (target >= 0 && target < kProtectedToneMaps) {
        return SaveOutcome::kProtected;
    }
    if (target < 0) {
        if (static_cast<size_t>(count_) >= rows_.size()) {
            return SaveOutcome::kFull;
        }
        target = count_++;
        rows_[static_cast<size_t>(target)] = CatalogueRow{};
        SetFieldText(rows_[static_cast<size_t>(target)].name, name);
    }
    index_ = target;
    StoreToneMap(rows_[static_cast<size_t>(target)], Current());
    return SaveOutcome::kSaved;
}

bool ToneCorrectionSession::Delete(int32_t index) {
    if (index < kProtectedToneMaps || index >= count_) {
        return false;
    }
    if (index == count_ - 1) {
        index_ = count_ - 2;
    } else {
        rows_.erase(rows_.begin() + index);
        rows_.emplace_back();
        index_ = index;
    }
    settings_.toneMapInForce = rows_[static_cast<size_t>(index_)];
    settings_.toneChannelShown = settings_.toneMapInForce.values[tone_map::kSelectedChannelCell];
    --count_;
    return true;
}

SaveBeforeCommit ToneCorrectionSession::NeededSave(std::string_view comboText, std::string_view userDefinedName) const {
    if (comboText.empty() || comboText == userDefinedName) {
        return SaveBeforeCommit::kNone;
    }
    const int32_t entry = Find(comboText);
    if (entry < 0) {
        return SaveBeforeCommit::kSaveNew;
    }
    if (RowToneMap(rows_[static_cast<size_t>(entry)]).cells != Current().cells) {
        return SaveBeforeCommit::kSaveChanged;
    }
    return SaveBeforeCommit::kNone;
}

void ToneCorrectionSession::Commit() {
    Catalogue& list = settings_.toneMaps;
    list.rows = rows_;
    list.count = count_;
    list.current = index_;
    if (UserDefined()) {
        settings_.toneMapWorking = settings_.toneMapInForce;
    }
}

void ToneCorrectionSession::Cancel() {
    settings_.toneMapInForce = settings_.toneMapWorking;
    settings_.toneChannelShown = settings_.toneMapWorking.values[tone_map::kSelectedChannelCell];
}

}  // namespace korva
