#include "tools/datasource/twain_capabilities.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <utility>

namespace korva::sim {
namespace {

namespace tw = twain;

constexpr double kCentimetresPerInch = 2.54;
constexpr uint32_t kDefaultResolution = 300;

struct PageSize {
    uint16_t code;
    double width;  // inches
    double height;
};

constexpr PageSize kPageSizes[] = {
    {tw::kSsA4, 210 / 25.4, 297 / 25.4},
    {tw::kSsUsLetter, 8.5, 11.0},
    {tw::kSsUsLegal, 8.5, 14.0},
};

size_t ItemBytes(uint16_t itemType) {
    return itemType == tw::kTyUint16 || itemType == tw::kTyBool || itemType == tw::kTyInt16 ? 2 : 4;
}

template <typename Header>
std::vector<uint8_t> Bytes(const Header& header, size_t headerBytes) {
    std::vector<uint8_t> out(headerBytes);
    std::memcpy(out.data(), &header, headerBytes);
    return out;
}

void PutItem(std::vector<uint8_t>& out, uint16_t itemType, uint32_t item) {
    const size_t size = ItemBytes(itemType);
    const size_t at = out.size();
    out.resize(at + size);
    std::memcpy(out.data() + at, &item, size);  // little-endian: the low bytes of the item
}

uint16_t BitDepthOf(uint32_t pixelType) {
    return pixelType == tw::kPtBw ? 1 : pixelType == tw::kPtRgb ? 24 : 8;
}

}  // namespace

CapabilityTable::CapabilityTable(const DeviceModel& model) : model_(model) {
    const auto lowest = static_cast<uint32_t>(model.resolutions.front());
    const auto highest = static_cast<uint32_t>(model.resolutions.back());
    resolution_ = static_cast<int32_t>(std::clamp(kDefaultResolution, lowest, highest));
    const auto dpi = static_cast<uint32_t>(resolution_);
    const auto one = [](uint16_t cap, uint16_t type, uint32_t value) {
        return Entry{cap, type, Shape::kEnumeration, {value}, value, value, true};
    };
    entries_ = {
        {tw::kCapXferCount, tw::kTyInt16, Shape::kOneValue, {}, 0xFFFF, 0xFFFF, true},
        {tw::kCapUiControllable, tw::kTyBool, Shape::kOneValue, {0}, 0, 0, false},
        one(tw::kICapCompression, tw::kTyUint16, tw::kCpNone),
        one(tw::kICapPlanarChunky, tw::kTyUint16, tw::kPcChunky),
        {tw::kICapPhysicalWidth, tw::kTyFix32, Shape::kOneValue, {}, 0, 0, false},
        {tw::kICapPhysicalHeight, tw::kTyFix32, Shape::kOneValue, {}, 0, 0, false},
        one(tw::kICapPixelFlavor, tw::kTyUint16, tw::kPfChocolate),
        one(tw::kICapBitDepth, tw::kTyUint16, BitDepthOf(tw::kPtRgb)),
        one(tw::kICapBitOrder, tw::kTyUint16, tw::kBoMsbFirst),
        {tw::kICapPixelType,
         tw::kTyUint16,
         Shape::kEnumeration,
         {tw::kPtBw, tw::kPtGray, tw::kPtRgb},
         tw::kPtRgb,
         tw::kPtRgb,
         true},
        {tw::kICapUnits,
         tw::kTyUint16,
         Shape::kEnumeration,
         {tw::kUnInches, tw::kUnCentimeters, tw::kUnPixels},
         tw::kUnInches,
         tw::kUnInches,
         true},
        {tw::kICapXferMech,
         tw::kTyUint16,
         Shape::kEnumeration,
         {tw::kSxNative, tw::kSxMemory},
         tw::kSxNative,
         tw::kSxNative,
         true},
        {tw::kICapXResolution, tw::kTyFix32, Shape::kRange, {lowest, highest}, dpi, dpi, true},
        {tw::kICapYResolution, tw::kTyFix32, Shape::kRange, {lowest, highest}, dpi, dpi, true},
    };
    if (model.optionUnit == 0) {
        std::vector<uint32_t> sizes{tw::kSsNone};
        for (const PageSize& size : kPageSizes) {
            if (size.width * 100 <= model.feeder.width && size.height * 100 <= model.feeder.height) {
                sizes.push_back(size.code);
            }
        }
        entries_.push_back({tw::kCapFeederEnabled, tw::kTyBool, Shape::kEnumeration, {0, 1}, 0, 0, true});
        entries_.push_back({tw::kCapAutoFeed, tw::kTyBool, Shape::kEnumeration, {0, 1}, 1, 1, true});
        entries_.push_back(
            {tw::kICapSupportedSizes, tw::kTyUint16, Shape::kEnumeration, sizes, tw::kSsNone, tw::kSsNone, true});
    }
    std::vector<uint32_t> supported{tw::kCapSupportedCaps};
    for (const Entry& entry : entries_) {
        supported.push_back(entry.cap);
    }
    entries_.push_back({tw::kCapSupportedCaps, tw::kTyUint16, Shape::kArray, supported, 0, 0, false});
}

CapabilityTable::Entry* CapabilityTable::Find(uint16_t cap) {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [cap](const Entry& e) { return e.cap == cap; });
    return it == entries_.end() ? nullptr : &*it;
}

uint32_t CapabilityTable::Current(uint16_t cap) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [cap](const Entry& e) { return e.cap == cap; });
    return it == entries_.end() ? 0 : it->current;
}

uint32_t CapabilityTable::WidestRowBytes() const {
    const int32_t hundredths = std::max({model_.flatbed.width, model_.feeder.width, model_.film.width});
    const auto pixels = static_cast<uint32_t>(std::ceil(hundredths / 100.0 * model_.resolutions.back()));
    return (pixels * 24 + 31) / 32 * 4;
}

bool CapabilityTable::FeederEnabled() const {
    return Current(tw::kCapFeederEnabled) == 1;
}

double CapabilityTable::SizeWidth() const {
    for (const PageSize& size : kPageSizes) {
        if (size.code == Current(tw::kICapSupportedSizes)) {
            return size.width;
        }
    }
    return 0;
}

double CapabilityTable::SizeHeight() const {
    for (const PageSize& size : kPageSizes) {
        if (size.code == Current(tw::kICapSupportedSizes)) {
            return size.height;
        }
    }
    return 0;
}

bool CapabilityTable::Negotiated(uint16_t cap) const {
    return std::find(negotiated_.begin(), negotiated_.end(), cap) != negotiated_.end();
}

bool CapabilityTable::TakeSizeChange() {
    return std::exchange(sizeChanged_, false);
}

double CapabilityTable::BedWidth() const {
    return (FeederEnabled() ? model_.feeder.width : model_.flatbed.width) / 100.0;
}

double CapabilityTable::BedHeight() const {
    return (FeederEnabled() ? model_.feeder.height : model_.flatbed.height) / 100.0;
}

double CapabilityTable::UnitsPerInch() const {
    switch (Units()) {
        case tw::kUnCentimeters:
            return kCentimetresPerInch;
        case tw::kUnPixels:
            return resolution_;
        default:
            return 1;
    }
}

uint32_t CapabilityTable::Shown(const Entry& entry, uint32_t value) const {
    // Resolutions are dots per inch, or per centimetre while the units are centimetres.
    const double perUnit = Units() == tw::kUnCentimeters ? kCentimetresPerInch : 1;
    switch (entry.cap) {
        case tw::kICapXResolution:
        case tw::kICapYResolution:
            return tw::Fix32Item(tw::ToFix32(value / perUnit));
        case tw::kICapPhysicalWidth:
            return tw::Fix32Item(tw::ToFix32(BedWidth() * UnitsPerInch()));
        case tw::kICapPhysicalHeight:
            return tw::Fix32Item(tw::ToFix32(BedHeight() * UnitsPerInch()));
        default:
            return value;
    }
}

bool CapabilityTable::Accepts(const Entry& entry, uint32_t item, uint32_t& stored) const {
    if (entry.itemType == tw::kTyFix32) {
        const double perUnit = Units() == tw::kUnCentimeters ? kCentimetresPerInch : 1;
        const double dpi = std::round(tw::FromFix32(tw::Fix32FromItem(item)) * perUnit);
        stored = static_cast<uint32_t>(std::max(dpi, 0.0));
        return dpi >= entry.items[0] && dpi <= entry.items[1];
    }
    stored = ItemBytes(entry.itemType) == 2 ? item & 0xFFFF : item;
    if (entry.cap == tw::kCapXferCount) {
        const auto count = static_cast<int16_t>(stored);
        return count == -1 || count > 0;
    }
    return std::find(entry.items.begin(), entry.items.end(), stored) != entry.items.end();
}

void CapabilityTable::Store(Entry& entry, uint32_t value) {
    entry.current = value;
    switch (entry.cap) {
        case tw::kICapXResolution:
        case tw::kICapYResolution:
            // One resolution serves both directions.
            Find(tw::kICapXResolution)->current = Find(tw::kICapYResolution)->current = value;
            resolution_ = static_cast<int32_t>(value);
            break;
        case tw::kICapPixelType: {
            Entry& depth = *Find(tw::kICapBitDepth);
            depth.items = {BitDepthOf(value)};
            depth.defaultValue = depth.current = depth.items[0];
            break;
        }
        case tw::kICapSupportedSizes:
        case tw::kCapFeederEnabled:
            sizeChanged_ = true;
            break;
        default:
            break;
    }
}

std::vector<uint8_t> CapabilityTable::Container(const Entry& entry, uint16_t msg, uint16_t& conType) const {
    if (entry.shape == Shape::kArray) {
        conType = tw::kOnArray;
        tw::TwArray header;
        header.itemType = entry.itemType;
        header.numItems = static_cast<uint32_t>(entry.items.size());
        std::vector<uint8_t> out = Bytes(header, offsetof(tw::TwArray, itemList));
        for (uint32_t item : entry.items) {
            PutItem(out, entry.itemType, item);
        }
        return out;
    }
    if (msg != tw::kMsgGet || entry.shape == Shape::kOneValue) {
        conType = tw::kOnOneValue;
        tw::TwOneValue one;
        one.itemType = entry.itemType;
        one.item = Shown(entry, msg == tw::kMsgGetDefault ? entry.defaultValue : entry.current);
        return Bytes(one, sizeof one);
    }
    if (entry.shape == Shape::kRange) {
        conType = tw::kOnRange;
        const double perUnit = Units() == tw::kUnCentimeters ? kCentimetresPerInch : 1;
        tw::TwRange range;
        range.itemType = entry.itemType;
        range.minValue = Shown(entry, entry.items[0]);
        range.maxValue = Shown(entry, entry.items[1]);
        range.stepSize = tw::Fix32Item(tw::ToFix32(1 / perUnit));
        range.defaultValue = Shown(entry, entry.defaultValue);
        range.currentValue = Shown(entry, entry.current);
        return Bytes(range, sizeof range);
    }
    conType = tw::kOnEnumeration;
    tw::TwEnumeration header;
    header.itemType = entry.itemType;
    header.numItems = static_cast<uint32_t>(entry.items.size());
    const auto index = [&](uint32_t value) {
        return static_cast<uint32_t>(std::find(entry.items.begin(), entry.items.end(), value) - entry.items.begin());
    };
    header.currentIndex = index(entry.current);
    header.defaultIndex = index(entry.defaultValue);
    std::vector<uint8_t> out = Bytes(header, offsetof(tw::TwEnumeration, itemList));
    for (uint32_t item : entry.items) {
        PutItem(out, entry.itemType, item);
    }
    return out;
}

CapabilityReply CapabilityTable::Run(uint16_t cap,
                                     uint16_t msg,
                                     uint16_t conType,
                                     std::span<const uint8_t> in,
                                     bool settable) {
    CapabilityReply reply;
    const auto fail = [&reply](uint16_t condition) {
        reply.rc = tw::kRcFailure;
        reply.condition = condition;
        return reply;
    };
    Entry* entry = Find(cap);
    if (!entry) {
        return fail(tw::kCcCapUnsupported);
    }
    switch (msg) {
        case tw::kMsgQuerySupport: {
            tw::TwOneValue one;
            one.itemType = tw::kTyInt32;
            one.item =
                tw::kQcGet | tw::kQcGetCurrent | tw::kQcGetDefault | (entry->settable ? tw::kQcSet | tw::kQcReset : 0);
            reply.conType = tw::kOnOneValue;
            reply.container = Bytes(one, sizeof one);
            return reply;
        }
        case tw::kMsgGet:
        case tw::kMsgGetCurrent:
        case tw::kMsgGetDefault:
            reply.container = Container(*entry, msg, reply.conType);
            return reply;
        case tw::kMsgSet:
        case tw::kMsgReset: {
            if (!entry->settable) {
                return fail(tw::kCcCapBadOperation);
            }
            if (!settable) {
                return fail(tw::kCcSeqError);
            }
            std::erase(negotiated_, cap);
            if (msg == tw::kMsgReset) {
                Store(*entry, entry->defaultValue);
                reply.container = Container(*entry, tw::kMsgGetCurrent, reply.conType);
                return reply;
            }
            tw::TwOneValue one;
            if (conType != tw::kOnOneValue || in.size() < sizeof one) {
                return fail(tw::kCcBadValue);
            }
            std::memcpy(&one, in.data(), sizeof one);
            uint32_t stored = 0;
            if (one.itemType != entry->itemType || !Accepts(*entry, one.item, stored)) {
                return fail(tw::kCcBadValue);
            }
            Store(*entry, stored);
            negotiated_.push_back(cap);
            return reply;
        }
        default:
            return fail(tw::kCcCapBadOperation);
    }
}

}  // namespace korva::sim
