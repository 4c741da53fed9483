// The TWAIN protocol as an image source and an application see it: data groups, data argument types,
// messages, return and condition codes, capabilities with their values, and the structures exchanged
// through DSM_Entry and DS_Entry. Every structure is packed on two-byte boundaries, as the protocol lays
// them out; pointers and handles keep the width of the process. Plain C++ so the layouts and the FIX32
// arithmetic can be checked natively.
#pragma once

#include <cstdint>

namespace korva::twain {

using TwBool = uint16_t;
using TwMemRef = void*;
using TwHandle = void*;
using TwStr32 = char[34];

// Data groups, also the bits of TwIdentity::supportedGroups.
inline constexpr uint32_t kGroupControl = 0x0001;
inline constexpr uint32_t kDgImage = 0x0002;
inline constexpr uint32_t kDfDsm2 = 0x10000000;
inline constexpr uint32_t kDfApp2 = 0x20000000;
inline constexpr uint32_t kDfDs2 = 0x40000000;

inline constexpr uint16_t kProtocolMajor = 2;
inline constexpr uint16_t kProtocolMinor = 1;
inline constexpr uint16_t kLanguageUsa = 13;
inline constexpr uint16_t kCountryUsa = 1;

// Data argument types.
inline constexpr uint16_t kDatCapability = 0x0001;
inline constexpr uint16_t kDatEvent = 0x0002;
inline constexpr uint16_t kDatIdentity = 0x0003;
inline constexpr uint16_t kDatParent = 0x0004;
inline constexpr uint16_t kDatPendingXfers = 0x0005;
inline constexpr uint16_t kDatSetupMemXfer = 0x0006;
inline constexpr uint16_t kDatStatus = 0x0008;
inline constexpr uint16_t kDatUserInterface = 0x0009;
inline constexpr uint16_t kDatImageInfo = 0x0101;
inline constexpr uint16_t kDatImageLayout = 0x0102;
inline constexpr uint16_t kDatImageMemXfer = 0x0103;
inline constexpr uint16_t kDatImageNativeXfer = 0x0104;

// Messages.
inline constexpr uint16_t kMsgNull = 0x0000;
inline constexpr uint16_t kMsgGet = 0x0001;
inline constexpr uint16_t kMsgGetCurrent = 0x0002;
inline constexpr uint16_t kMsgGetDefault = 0x0003;
inline constexpr uint16_t kMsgGetFirst = 0x0004;
inline constexpr uint16_t kMsgGetNext = 0x0005;
inline constexpr uint16_t kMsgSet = 0x0006;
inline constexpr uint16_t kMsgReset = 0x0007;
inline constexpr uint16_t kMsgQuerySupport = 0x0008;
inline constexpr uint16_t kMsgXferReady = 0x0101;
inline constexpr uint16_t kMsgCloseDsReq = 0x0102;
inline constexpr uint16_t kMsgCloseDsOk = 0x0103;
inline constexpr uint16_t kMsgOpenDsm = 0x0301;
inline constexpr uint16_t kMsgCloseDsm = 0x0302;
inline constexpr uint16_t kMsgOpenDs = 0x0401;
inline constexpr uint16_t kMsgCloseDs = 0x0402;
inline constexpr uint16_t kMsgUserSelect = 0x0403;
inline constexpr uint16_t kMsgDisableDs = 0x0501;
inline constexpr uint16_t kMsgEnableDs = 0x0502;
inline constexpr uint16_t kMsgEnableDsUiOnly = 0x0503;
inline constexpr uint16_t kMsgProcessEvent = 0x0601;
inline constexpr uint16_t kMsgEndXfer = 0x0701;

// Return codes.
inline constexpr uint16_t kRcSuccess = 0;
inline constexpr uint16_t kRcFailure = 1;
inline constexpr uint16_t kRcCheckStatus = 2;
inline constexpr uint16_t kRcCancel = 3;
inline constexpr uint16_t kRcDsEvent = 4;
inline constexpr uint16_t kRcNotDsEvent = 5;
inline constexpr uint16_t kRcXferDone = 6;
inline constexpr uint16_t kRcEndOfList = 7;

// Condition codes, what DAT_STATUS reports after a failure.
inline constexpr uint16_t kCcSuccess = 0;
inline constexpr uint16_t kCcBummer = 1;
inline constexpr uint16_t kCcLowMemory = 2;
inline constexpr uint16_t kCcNoDs = 3;
inline constexpr uint16_t kCcOperationError = 5;
inline constexpr uint16_t kCcBadCap = 6;
inline constexpr uint16_t kCcBadProtocol = 9;
inline constexpr uint16_t kCcBadValue = 10;
inline constexpr uint16_t kCcSeqError = 11;
inline constexpr uint16_t kCcBadDest = 12;
inline constexpr uint16_t kCcCapUnsupported = 13;
inline constexpr uint16_t kCcCapBadOperation = 14;
inline constexpr uint16_t kCcCapSeqError = 15;

// Containers and the types of the items in them.
inline constexpr uint16_t kOnArray = 3;
inline constexpr uint16_t kOnEnumeration = 4;
inline constexpr uint16_t kOnOneValue = 5;
inline constexpr uint16_t kOnRange = 6;
inline constexpr uint16_t kOnDontCare = 0xFFFF;

inline constexpr uint16_t kTyInt8 = 0;
inline constexpr uint16_t kTyInt16 = 1;
inline constexpr uint16_t kTyInt32 = 2;
inline constexpr uint16_t kTyUint8 = 3;
inline constexpr uint16_t kTyUint16 = 4;
inline constexpr uint16_t kTyUint32 = 5;
inline constexpr uint16_t kTyBool = 6;
inline constexpr uint16_t kTyFix32 = 7;
inline constexpr uint16_t kTyFrame = 8;

// Capabilities.
inline constexpr uint16_t kCapXferCount = 0x0001;
inline constexpr uint16_t kICapCompression = 0x0100;
inline constexpr uint16_t kICapPixelType = 0x0101;
inline constexpr uint16_t kICapUnits = 0x0102;
inline constexpr uint16_t kICapXferMech = 0x0103;
inline constexpr uint16_t kCapFeederEnabled = 0x1002;
inline constexpr uint16_t kCapSupportedCaps = 0x1005;
inline constexpr uint16_t kCapAutoFeed = 0x1007;
inline constexpr uint16_t kCapUiControllable = 0x100E;
inline constexpr uint16_t kICapPhysicalWidth = 0x1111;
inline constexpr uint16_t kICapPhysicalHeight = 0x1112;
inline constexpr uint16_t kICapXResolution = 0x1118;
inline constexpr uint16_t kICapYResolution = 0x1119;
inline constexpr uint16_t kICapBitOrder = 0x111C;
inline constexpr uint16_t kICapPixelFlavor = 0x111F;
inline constexpr uint16_t kICapPlanarChunky = 0x1120;
inline constexpr uint16_t kICapSupportedSizes = 0x1122;
inline constexpr uint16_t kICapBitDepth = 0x112B;

// What MSG_QUERYSUPPORT answers, as bits.
inline constexpr int32_t kQcGet = 0x0001;
inline constexpr int32_t kQcSet = 0x0002;
inline constexpr int32_t kQcGetDefault = 0x0004;
inline constexpr int32_t kQcGetCurrent = 0x0008;
inline constexpr int32_t kQcReset = 0x0010;

// Capability values.
inline constexpr uint16_t kPtBw = 0;
inline constexpr uint16_t kPtGray = 1;
inline constexpr uint16_t kPtRgb = 2;
inline constexpr uint16_t kUnInches = 0;
inline constexpr uint16_t kUnCentimeters = 1;
inline constexpr uint16_t kUnPicas = 2;
inline constexpr uint16_t kUnPoints = 3;
inline constexpr uint16_t kUnTwips = 4;
inline constexpr uint16_t kUnPixels = 5;
inline constexpr uint16_t kSxNative = 0;
inline constexpr uint16_t kSxMemory = 2;
// Who owns a transfer buffer and how it is given (TwMemory::flags).
inline constexpr uint32_t kMfAppOwns = 0x0001;
inline constexpr uint32_t kMfPointer = 0x0008;
inline constexpr uint32_t kMfHandle = 0x0010;
inline constexpr uint16_t kCpNone = 0;
inline constexpr uint16_t kPcChunky = 0;
inline constexpr uint16_t kPfChocolate = 0;
inline constexpr uint16_t kBoMsbFirst = 1;
inline constexpr uint16_t kSsNone = 0;
inline constexpr uint16_t kSsA4 = 1;
inline constexpr uint16_t kSsUsLetter = 3;
inline constexpr uint16_t kSsUsLegal = 4;

#pragma pack(push, 2)

// A signed fixed-point number: whole part and sixteenths of sixteen bits.
struct TwFix32 {
    int16_t whole = 0;
    uint16_t frac = 0;
};

struct TwFrame {
    TwFix32 left;
    TwFix32 top;
    TwFix32 right;
    TwFix32 bottom;
};

struct TwVersion {
    uint16_t majorNum = 0;
    uint16_t minorNum = 0;
    uint16_t language = 0;
    uint16_t country = 0;
    TwStr32 info = {};
};

struct TwIdentity {
    uint32_t id = 0;
    TwVersion version;
    uint16_t protocolMajor = 0;
    uint16_t protocolMinor = 0;
    uint32_t supportedGroups = 0;
    TwStr32 manufacturer = {};
    TwStr32 productFamily = {};
    TwStr32 productName = {};
};

struct TwStatus {
    uint16_t conditionCode = 0;
    uint16_t data = 0;
};

struct TwCapability {
    uint16_t cap = 0;
    uint16_t conType = 0;
    TwHandle container = nullptr;
};

struct TwOneValue {
    uint16_t itemType = 0;
    uint32_t item = 0;
};

struct TwRange {
    uint16_t itemType = 0;
    uint32_t minValue = 0;
    uint32_t maxValue = 0;
    uint32_t stepSize = 0;
    uint32_t defaultValue = 0;
    uint32_t currentValue = 0;
};

// Followed by numItems items of itemType.
struct TwEnumeration {
    uint16_t itemType = 0;
    uint32_t numItems = 0;
    uint32_t currentIndex = 0;
    uint32_t defaultIndex = 0;
    uint8_t itemList[1] = {};
};

struct TwArray {
    uint16_t itemType = 0;
    uint32_t numItems = 0;
    uint8_t itemList[1] = {};
};

struct TwImageLayout {
    TwFrame frame;
    uint32_t documentNumber = 0;
    uint32_t pageNumber = 0;
    uint32_t frameNumber = 0;
};

struct TwImageInfo {
    TwFix32 xResolution;
    TwFix32 yResolution;
    int32_t imageWidth = 0;
    int32_t imageLength = 0;
    int16_t samplesPerPixel = 0;
    int16_t bitsPerSample[8] = {};
    int16_t bitsPerPixel = 0;
    TwBool planar = 0;
    int16_t pixelType = 0;
    uint16_t compression = 0;
};

struct TwPendingXfers {
    uint16_t count = 0;
    uint32_t endOfJob = 0;
};

struct TwUserInterface {
    TwBool showUi = 1;
    TwBool modalUi = 0;
    TwHandle parent = nullptr;
};

struct TwEvent {
    TwMemRef event = nullptr;
    uint16_t message = 0;
};

struct TwSetupMemXfer {
    uint32_t minBufSize = 0;
    uint32_t maxBufSize = 0;
    uint32_t preferred = 0;
};

struct TwMemory {
    uint32_t flags = 0;
    uint32_t length = 0;
    TwMemRef theMem = nullptr;
};

struct TwImageMemXfer {
    uint16_t compression = 0;
    uint32_t bytesPerRow = 0;
    uint32_t columns = 0;
    uint32_t rows = 0;
    uint32_t xOffset = 0;
    uint32_t yOffset = 0;
    uint32_t bytesWritten = 0;
    TwMemory memory;
};

#pragma pack(pop)

// A FIX32 holds value * 65536 rounded half away from zero; the whole part is the arithmetic high half, so
// -1.25 is whole -2 with frac 0xC000.
constexpr TwFix32 ToFix32(double value) {
    const double scaled = value * 65536.0;
    const auto raw = static_cast<int32_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
    return TwFix32{static_cast<int16_t>(raw >> 16), static_cast<uint16_t>(raw & 0xFFFF)};
}

constexpr double FromFix32(TwFix32 value) {
    return value.whole + value.frac / 65536.0;
}

// A FIX32 travels in the 32-bit item of a container as its own four bytes, so on these little-endian
// machines the whole part is the low half of the item and the fraction the high half.
constexpr uint32_t Fix32Item(TwFix32 value) {
    return static_cast<uint32_t>(value.frac) << 16 | static_cast<uint16_t>(value.whole);
}

constexpr TwFix32 Fix32FromItem(uint32_t item) {
    return TwFix32{static_cast<int16_t>(static_cast<uint16_t>(item & 0xFFFF)), static_cast<uint16_t>(item >> 16)};
}

}  // namespace korva::twain
