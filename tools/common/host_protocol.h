// The small TWAIN-shaped protocol between our host program and our data source: the host calls the data
// source's DS_Entry with a data group, a data argument type and a message, as a TWAIN application does.
// Only the operations the host needs are defined.
#pragma once

#include <windows.h>

#include <cstdint>

namespace korva::twain {

inline constexpr uint32_t kGroupControl = 1;

inline constexpr uint16_t kDatEvent = 0x0002;
inline constexpr uint16_t kDatIdentity = 0x0003;
inline constexpr uint16_t kDatUserInterface = 0x0009;

inline constexpr uint16_t kMsgNull = 0x0000;
inline constexpr uint16_t kMsgXferReady = 0x0101;
inline constexpr uint16_t kMsgCloseDsReq = 0x0102;
inline constexpr uint16_t kMsgOpenDs = 0x0401;
inline constexpr uint16_t kMsgCloseDs = 0x0402;
inline constexpr uint16_t kMsgDisableDs = 0x0501;
inline constexpr uint16_t kMsgEnableDs = 0x0502;
inline constexpr uint16_t kMsgProcessEvent = 0x0601;

inline constexpr uint16_t kRcSuccess = 0;
inline constexpr uint16_t kRcFailure = 1;
inline constexpr uint16_t kRcDsEvent = 4;
inline constexpr uint16_t kRcNotDsEvent = 5;

struct UserInterface {
    uint16_t showUi = 1;
    uint16_t modalUi = 0;
    HWND parent = nullptr;
};

// One queued message of the host, and what the data source tells the host in return.
struct Event {
    MSG* message = nullptr;
    uint16_t reply = kMsgNull;
};

using EntryProc = uint16_t(WINAPI*)(void* origin, uint32_t group, uint16_t dat, uint16_t msg, void* data);

}  // namespace korva::twain
