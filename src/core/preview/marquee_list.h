// The list of marquees: one of them current, new ones inserted at the head. The list keeps the factors
// that convert a view rectangle into full-preview tenths and thousandths of an inch, for the full
// preview and for a zoom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/preview/marquee.h"
#include "core/preview/point.h"
#include "core/preview/preview_view.h"
#include "core/preview/rect.h"
#include "core/preview/view_factors.h"
#include "core/settings/settings_block.h"

namespace korva {

class MarqueeList {
  public:
    MarqueeList() = default;
    MarqueeList(const MarqueeList&) = delete;
    MarqueeList& operator=(const MarqueeList&) = delete;

    // Takes the conversion factors from the view geometry (full preview or zoom). A geometry holding a
    // value beyond kMaxGeometryValue leaves every factor zero, and the conversions then give zeros.
    void SetGeometry(const PreviewView& view) { f_ = FactorsFor(view); }

    // Frees every marquee; current, hit and zoom source become none, and the view counts as unzoomed.
    void Clear();

    // Adds a marquee for a view rectangle with a snapshot of the settings. The block is first copied into
    // the marquee being left. The new marquee goes to the head and becomes current. False (list
    // unchanged) when memory is refused.
    bool Add(const Rect& view, const SettingsBlock& settings);
    // Add with the current marquee's own settings; false without a current marquee.
    bool Duplicate(const Rect& view);
    // Adds a record read from a file: its place is recomputed from its document rectangle, clamped to the
    // bed. A record is skipped (false) while the bed or the full preview has no size.
    bool AddStored(const Marquee& record, bool makeCurrent);
    // Rewrites the current marquee's geometry from a view rectangle and clears its zoom record.
    void UpdateCurrent(const Rect& view);
    // Unlinks the current marquee; the next one becomes current, or the head when it was the last.
    void RemoveCurrent();
    // Makes the marquee of the last border hit current, after storing `settings` into the one left.
    void Select(const SettingsBlock& settings);
    // Select for the marquee at a position from the head, as if its border had been hit; no change when
    // the index lies outside the list.
    void SelectAt(int32_t index, const SettingsBlock& settings);
    // Position of the current marquee from the head, from 0; Count() when there is none.
    int32_t IndexOfCurrent() const;
    // No change when the index lies outside the list.
    void MakeCurrentByIndex(int32_t index);

    // The view becomes a zoom into the current marquee, whose rectangle in the zoom view is `zoomRect`;
    // every other marquee is converted into the zoom view.
    void EnterZoom(const Rect& zoomRect);
    // Back to the full preview: every marquee takes its place from its full-preview tenths.
    void LeaveZoom();
    // Keeps the view a zoom produced, in the zoom source when it was edited while zoomed, else in the
    // current marquee. A record of all zeros clears it.
    void RecordZoom(const ZoomRecord& record, const Rect& zoomRect);

    // The first marquee from the head whose border (3 pixels wide) lies under the point; it becomes the
    // hit marquee, which a click then selects. Null (hit cleared) when there is none.
    Marquee* FindBorderAt(Point point);

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    // The marquee at a position from the head.
    Marquee& At(size_t index) const { return *items_[index]; }
    Marquee* Current() const { return current_; }
    Marquee* Hit() const { return hit_; }
    Marquee* ZoomSource() const { return zoomSource_; }
    bool Zoomed() const { return zoomed_; }
    bool ZoomSourceEdited() const { return zoomSourceEdited_; }

    const ViewFactors& Factors() const { return f_; }

  private:
    void SetFromView(Marquee& marquee, const Rect& view) const;
    void TakeViewFromTenths(Marquee& marquee) const;
    void Forget(const Marquee* marquee);

    std::vector<std::unique_ptr<Marquee>> items_;  // head first
    Marquee* current_ = nullptr;
    Marquee* hit_ = nullptr;
    Marquee* zoomSource_ = nullptr;
    bool zoomed_ = false;
    bool zoomSourceEdited_ = false;
    ViewFactors f_;
};

}  // namespace korva
