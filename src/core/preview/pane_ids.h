// Message numbers and control ids the preview window exchanges with the main dialog and its pages.
#pragma once

#include <cstdint>

namespace korva::pane {

inline constexpr uint32_t kMsgMarqueeChanged = 0x464;  // 1124, posted: redisplay sizes and file size
inline constexpr uint32_t kMsgSizeEditDone = 0x466;    // 1126, posted after a W/H edit was applied
inline constexpr uint32_t kCmdApplySizeEdit = 0x400;   // 1024, to the window: low word size, high word edit id

inline constexpr uint32_t kVirtualKeyDelete = 0x2E;
inline constexpr uint32_t kVirtualKeyTab = 0x09;
inline constexpr uint32_t kVirtualKeyInsert = 0x2D;
inline constexpr uint32_t kVirtualKeyLeft = 0x25;  // then up, right, down
inline constexpr uint32_t kVirtualKeyUp = 0x26;
inline constexpr uint32_t kVirtualKeyRight = 0x27;
inline constexpr uint32_t kVirtualKeyDown = 0x28;
inline constexpr uint32_t kVirtualKeyD = 0x44;

inline constexpr int32_t kIdOutputWidth = 131;  // edits whose size edit is a width
inline constexpr int32_t kIdWidth = 191;
inline constexpr int32_t kIdWholeArea = 184;
inline constexpr int32_t kIdZoom = 186;
inline constexpr int32_t kIdScanAll = 729;
inline constexpr int32_t kIdMarqueeCount = 737;
inline constexpr int32_t kIdShowZoomAgain = 789;
inline constexpr int32_t kIdLocate = 956;
inline constexpr int32_t kIdDuplicate = 959;
inline constexpr int32_t kIdDeleteMarquee = 962;
inline constexpr int32_t kIdSizeMax = 975;     // "&Max" of the size radio group 970..976
inline constexpr int32_t kIdSizeCustom = 976;  // a size the user drew or typed

}  // namespace korva::pane
