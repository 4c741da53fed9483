// The Tone Correction window's model: the curve area's geometry (screen points, hit test, the level a
// drag position stands for), setting a point with the pins, and the editing session over a working copy
// of the tone-map list with its save, delete, OK and Cancel rules.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/catalogue.h"
#include "core/settings/scan_settings.h"
#include "core/tone/tone_map.h"

namespace korva {

// The first entries of every tone-map list are the built-in maps; the window never changes them.
inline constexpr int32_t kProtectedToneMaps = kBuiltInToneMapCount;
// Room the working list has beyond the entries it starts with.
inline constexpr int32_t kToneMapSpareEntries = 30;
// A point mark is hit within this many pixels of its screen position, in both directions.
inline constexpr int32_t kPointHitRadius = 3;

struct CurvePoint {
    int32_t x = 0;
    int32_t y = 0;
};
// One screen point per input level 0..255.
using CurveScreenPoints = std::array<CurvePoint, 256>;

// X = (i·width) / 255 and Y = ((255 - curve[i])·height) / 255, integer divisions.
CurveScreenPoints CurveToScreen(const ToneCurve& curve, int32_t width, int32_t height);

// The first of the points Shadow, 3/4 Tone, Midtone, 1/4 Tone, Highlight whose mark is hit at (x, y),
// or -1.
int HitTestPoint(const CurveScreenPoints& points, int32_t x, int32_t y);

// The output level of a drag at distance y from the area's top: 255 - (y·255) / height, kept in 0..255.
int32_t DragLevel(int32_t y, int32_t height);

// An edit field's text read as a signed decimal number and clamped to 0..255; empty when it is no number.
std::optional<int32_t> ParseLevel(std::string_view text);

// Channel index (0 red .. 3 master) of a channel button id 440..443; anything else is the master.
int ChannelOfButton(uint32_t buttonId);

ToneMap RowToneMap(const CatalogueRow& row);
// Stores the point cells, pin flags and selected channel; the name and text stay.
void StoreToneMap(CatalogueRow& row, const ToneMap& toneMap);

// Sets point `point` of `channel` to `level`: the curve through Shadow, Highlight, the pinned points and
// this point is built, and every point of the channel is written back as the curve's value at its level,
// so unpinned points follow the curve and the edited one keeps `level`.
void SetTonePoint(ToneMap& toneMap, int channel, int point, int16_t level);

// Whether an image type of this colour class allows only the master channel (grey and black-and-white).
bool OnlyMasterChannel(const ScanSettings& settings);

// What OK has to do before it commits.
enum class SaveBeforeCommit {
    kNone,
    kSaveNew,      // the combo's text names no entry: save under it
    kSaveChanged,  // it names an entry whose points differ from the current tone map: save (asks first)
};

enum class SaveOutcome { kSaved, kProtected, kFull };

// One opening of the window. The current tone map is the settings' tone map in force (what the preview
// and the scan use); the backup is the settings' second copy, the tone map as of the last OK.
class ToneCorrectionSession {
  public:
    // Copies the list with room for kToneMapSpareEntries more, takes the current list index and, for a
    // stored entry, reloads the current tone map and the backup from it.
    explicit ToneCorrectionSession(ScanSettings& settings);

    int32_t Count() const { return count_; }
    int32_t Index() const { return index_; }
    bool UserDefined() const { return index_ == count_; }
    // Save and Delete are offered for entries after the built-in ones.
    bool EditableEntry() const { return index_ >= kProtectedToneMaps; }
    std::vector<std::string> Names() const;
    // The working index of the entry named `name`, or -1.
    int32_t Find(std::string_view name) const;

    ToneMap Current() const { return RowToneMap(settings_.toneMapInForce); }
    int SelectedChannel() const;
    // Selects the channel of button 440..443 in the current tone map.
    void SelectChannel(uint32_t buttonId);
    // Grey and black-and-white types: the master channel in the current tone map and in the backup.
    void KeepToMaster();

    // A built-in entry becomes "User Defined" before it is edited; true when that happened.
    bool LeaveBuiltIn();
    void SetPoint(int point, int32_t level);
    void TogglePin(int point);
    void SelectEntry(int32_t index);

    SaveOutcome Save(std::string_view name);
    // Deletes the entry at `index` (never a built-in one); false when there is none to delete.
    bool Delete(int32_t index);

    SaveBeforeCommit NeededSave(std::string_view comboText, std::string_view userDefinedName) const;
    // OK: the working list becomes the tone-map list and the working index its current index.
    void Commit();
    // Cancel: the current tone map returns to the backup; the working list is dropped.
    void Cancel();

  private:
    void StoreCurrent(const ToneMap& toneMap);

    ScanSettings& settings_;
    std::vector<CatalogueRow> rows_;
    int32_t count_ = 0;
    int32_t index_ = 0;
};

}  // namespace korva
