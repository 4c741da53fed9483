// The capabilities the simulated scanner negotiates with an application: for each one the values the
// device can take, its default and current value, and the containers that carry them. Containers travel
// as the protocol's bytes; the caller moves them in and out of the application's memory handles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "tools/common/twain_defs.h"
#include "tools/datasource/device_model.h"

namespace korva::sim {

// What one capability operation produced: the return and condition codes and, on success of the
// operations that answer with a value, the container type and bytes.
struct CapabilityReply {
    uint16_t rc = twain::kRcSuccess;
    uint16_t condition = twain::kCcSuccess;
    uint16_t conType = twain::kOnDontCare;
    std::vector<uint8_t> container;
};

class CapabilityTable {
  public:
    // The capabilities of `model`, all at their defaults. A device with a sheet feeder also has the
    // feeder's capabilities.
    explicit CapabilityTable(const DeviceModel& model);

    // Runs `msg` (GET, GETCURRENT, GETDEFAULT, SET, RESET, QUERYSUPPORT) on capability `cap`; `in` is the
    // application's container for SET, of type `conType`. `settable` is false outside the state in which
    // values may change.
    CapabilityReply Run(uint16_t cap, uint16_t msg, uint16_t conType, std::span<const uint8_t> in, bool settable);

    uint16_t PixelType() const { return static_cast<uint16_t>(Current(twain::kICapPixelType)); }
    uint16_t Units() const { return static_cast<uint16_t>(Current(twain::kICapUnits)); }
    // The resolution in dots per inch, the same in both directions.
    int32_t Resolution() const { return resolution_; }
    bool FeederEnabled() const;
    uint16_t TransferMechanism() const { return static_cast<uint16_t>(Current(twain::kICapXferMech)); }
    // The bytes of the widest row the device can scan: its widest bed at its highest resolution in colour.
    uint32_t WidestRowBytes() const;
    int16_t TransferCount() const { return static_cast<int16_t>(Current(twain::kCapXferCount)); }
    // The page size chosen through ICAP_SUPPORTEDSIZES, in inches; zero when none is chosen.
    double SizeWidth() const;
    double SizeHeight() const;
    // True when the application has set the capability's value (and not reset it since).
    bool Negotiated(uint16_t cap) const;
    // True once, after a SET or RESET of the page size, which resets the image layout.
    bool TakeSizeChange();

    // The bed the layout is measured on, in inches: the feeder's while it is enabled.
    double BedWidth() const;
    double BedHeight() const;
    // Units of the current ICAP_UNITS per inch (the resolution for pixels).
    double UnitsPerInch() const;

  private:
    enum class Shape { kOneValue, kEnumeration, kRange, kArray };
    struct Entry {
        uint16_t cap;
        uint16_t itemType;
        Shape shape;
        std::vector<uint32_t> items;  // the values the device can take (a range's minimum and maximum)
        uint32_t defaultValue;
        uint32_t current;
        bool settable;
    };

    Entry* Find(uint16_t cap);
    uint32_t Current(uint16_t cap) const;
    // The entry's values as the application sees them (resolutions and sizes in the current units).
    uint32_t Shown(const Entry& entry, uint32_t value) const;
    bool Accepts(const Entry& entry, uint32_t item, uint32_t& stored) const;
    void Store(Entry& entry, uint32_t value);
    std::vector<uint8_t> Container(const Entry& entry, uint16_t msg, uint16_t& conType) const;

    std::vector<Entry> entries_;
    std::vector<uint16_t> negotiated_;
    DeviceModel model_;
    int32_t resolution_ = 0;
    bool sizeChanged_ = false;
};

}  // namespace korva::sim
