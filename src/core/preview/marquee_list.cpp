#include "core/preview/marquee_list.h"

#include <algorithm>
#include <new>

#include "core/preview/integer_math.h"

namespace korva {
namespace {

Rect TimesTen(const Rect& r) {
    return {Low32(int64_t{r.left} * 10), Low32(int64_t{r.top} * 10), Low32(int64_t{r.right} * 10),
            Low32(int64_t{r.bottom} * 10)};
}

int32_t ClampTo(int32_t value, int32_t low, int32_t high) {
    return std::max(low, std::min(value, high));
}

// A zoom record made for another full-preview box no longer fits. A portrait box compares the width;
// a landscape box compares both sides, since a turned box of the same width would otherwise pass.
bool ZoomRecordFits(const ZoomRecord& zoom, int32_t fullW, int32_t fullH) {
    if (fullW <= fullH) {
        return zoom.fullWidth == fullW;
    }
    return zoom.fullWidth == fullW && zoom.fullHeight == fullH;
}

}  // namespace

void MarqueeList::Clear() {
    items_.clear();
    current_ = hit_ = zoomSource_ = nullptr;
    zoomed_ = false;
}

void MarqueeList::SetFromView(Marquee& m, const Rect& view) const {
    m.view = view;
    m.viewTenths = TimesTen(view);
    const Rect& t = m.viewTenths;
    if (!zoomed_) {
        m.fullTenths = t;
        m.document = {Low32(RoundedDivide(int64_t{t.left} * f_.bedW, f_.fullW)),
                      Low32(RoundedDivide(int64_t{t.top} * f_.bedH, f_.fullH)),
                      Low32(RoundedDivide(int64_t{t.right} * f_.bedW, f_.fullW)),
                      Low32(RoundedDivide(int64_t{t.bottom} * f_.bedH, f_.fullH))};
        return;
    }
    const int64_t left = int64_t{t.left} + f_.offTenthsX;
    const int64_t top = int64_t{t.top} + f_.offTenthsY;
    const int64_t right = int64_t{t.right} + f_.offTenthsX;
    const int64_t bottom = int64_t{t.bottom} + f_.offTenthsY;
    m.fullTenths = {Low32(RoundedDivide(left * f_.fullW, f_.bedPxW)), Low32(RoundedDivide(top * f_.fullH, f_.bedPxH)),
                    Low32(RoundedDivide(right * f_.fullW, f_.bedPxW)),
                    Low32(RoundedDivide(bottom * f_.fullH, f_.bedPxH))};
    m.document = {Low32(RoundedDivide(left * f_.bedW, f_.bedPxW)), Low32(RoundedDivide(top * f_.bedH, f_.bedPxH)),
                  Low32(RoundedDivide(right * f_.bedW, f_.bedPxW)), Low32(RoundedDivide(bottom * f_.bedH, f_.bedPxH))};
}

void MarqueeList::TakeViewFromTenths(Marquee& m) const {
    m.view = PixelsFromTenths(m.viewTenths);
}

bool MarqueeList::Add(const Rect& view, const SettingsBlock& settings) {
    std::unique_ptr<Marquee> marquee(new (std::nothrow) Marquee{});
    if (!marquee) {
        return false;
    }
    marquee->settings = settings;
    SetFromView(*marquee, view);
    try {
        items_.insert(items_.begin(), std::move(marquee));
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (current_ != nullptr) {
        current_->settings = settings;
    }
    current_ = items_.front().get();
    return true;
}

bool MarqueeList::Duplicate(const Rect& view) {
    if (current_ == nullptr) {
        return false;
    }
    const SettingsBlock settings = current_->settings;
    return Add(view, settings);
}

bool MarqueeList::AddStored(const Marquee& record, bool makeCurrent) {
    if (f_.bedW <= 0 || f_.bedH <= 0 || f_.fullW <= 0 || f_.fullH <= 0) {
        return false;
    }
    std::unique_ptr<Marquee> marquee(new (std::nothrow) Marquee(record));
    if (!marquee) {
        return false;
    }
    Rect& d = marquee->document;
    const int32_t maxX = f_.bedW * 10;  // thousandths of an inch
    const int32_t maxY = f_.bedH * 10;
    d = {ClampTo(d.left, 0, maxX), ClampTo(d.top, 0, maxY), ClampTo(d.right, 0, maxX), ClampTo(d.bottom, 0, maxY)};
    marquee->fullTenths = {Low32(RoundedDivide(int64_t{d.left} * f_.fullW, f_.bedW)),
                           Low32(RoundedDivide(int64_t{d.top} * f_.fullH, f_.bedH)),
                           Low32(RoundedDivide(int64_t{d.right} * f_.fullW, f_.bedW)),
                           Low32(RoundedDivide(int64_t{d.bottom} * f_.fullH, f_.bedH))};
    marquee->viewTenths = marquee->fullTenths;
    TakeViewFromTenths(*marquee);
    if (!ZoomRecordFits(marquee->zoom, f_.fullW, f_.fullH)) {
        marquee->zoom = {};
    }
    try {
        items_.insert(items_.begin(), std::move(marquee));
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (makeCurrent) {
        current_ = items_.front().get();
    }
    return true;
}

void MarqueeList::UpdateCurrent(const Rect& view) {
    if (current_ == nullptr) {
        return;
    }
    SetFromView(*current_, view);
    current_->zoom = {};
    if (current_ == zoomSource_) {
        zoomSourceEdited_ = true;
    }
}

void MarqueeList::Forget(const Marquee* marquee) {
    if (hit_ == marquee) {
        hit_ = nullptr;
    }
    if (zoomSource_ == marquee) {
        zoomSource_ = nullptr;
    }
}

void MarqueeList::RemoveCurrent() {
    auto it = std::find_if(items_.begin(), items_.end(), [this](const auto& m) { return m.get() == current_; });
    if (it == items_.end()) {
        return;
    }
    Forget(current_);
    it = items_.erase(it);
    if (it != items_.end()) {
        current_ = it->get();
    } else {
        current_ = items_.empty() ? nullptr : items_.front().get();
    }
}

void MarqueeList::Select(const SettingsBlock& settings) {
    if (hit_ == nullptr) {
        return;
    }
    if (current_ != nullptr) {
        current_->settings = settings;
    }
    current_ = hit_;
    hit_ = nullptr;
}

void MarqueeList::SelectAt(int32_t index, const SettingsBlock& settings) {
    if (index < 0 || index >= Count()) {
        return;
    }
    hit_ = items_[static_cast<size_t>(index)].get();
    Select(settings);
}

int32_t MarqueeList::IndexOfCurrent() const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() == current_) {
            return static_cast<int32_t>(i);
        }
    }
    return Count();
}

void MarqueeList::MakeCurrentByIndex(int32_t index) {
    if (index >= 0 && index < Count()) {
        current_ = items_[static_cast<size_t>(index)].get();
    }
}

void MarqueeList::EnterZoom(const Rect& zoomRect) {
    zoomed_ = true;
    zoomSource_ = current_;
    for (const auto& m : items_) {
        if (m.get() == zoomSource_) {
            m->view = zoomRect;
            m->viewTenths = TimesTen(zoomRect);
            continue;
        }
        m->viewTenths = ViewTenthsFromDocument(f_, m->document);
        TakeViewFromTenths(*m);
    }
}

void MarqueeList::LeaveZoom() {
    zoomed_ = false;
    zoomSource_ = nullptr;
    f_.bedPxW = f_.fullW;
    f_.bedPxH = f_.fullH;
    for (const auto& m : items_) {
        m->viewTenths = m->fullTenths;
        TakeViewFromTenths(*m);
    }
}

void MarqueeList::RecordZoom(const ZoomRecord& record, const Rect& zoomRect) {
    Marquee* target = (zoomSourceEdited_ && zoomSource_ != nullptr) ? zoomSource_ : current_;
    if (target != nullptr) {
        target->zoom = record;
        target->zoomRect = zoomRect;
    }
    if (record.areaWidth != 0) {
        zoomSourceEdited_ = false;
    }
}

Marquee* MarqueeList::FindBorderAt(Point p) {
    hit_ = nullptr;
    const int64_t x = p.x;
    const int64_t y = p.y;
    for (const auto& m : items_) {
        const Rect& r = m->view;
        const bool insideGrown = x >= int64_t{r.left} - 1 && x <= int64_t{r.right} + 1 && y >= int64_t{r.top} - 1 &&
                                 y <= int64_t{r.bottom} + 1;
        const bool nearBorder =
            Abs64(x - r.left) <= 1 || Abs64(x - r.right) <= 1 || Abs64(y - r.top) <= 1 || Abs64(y - r.bottom) <= 1;
        if (insideGrown && nearBorder) {
            hit_ = m.get();
            break;
        }
    }
    return hit_;
}

}  // namespace korva
