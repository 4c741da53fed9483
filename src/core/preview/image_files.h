// The preview, zoom and focus images kept as bitmap files in the driver folder. A file is written as a
// 14-byte file header, the image's 40-byte info header and its pixels; it is read back by taking
// everything behind the file header as the packed bitmap, and only while the screen-size class stored
// in the driver INI file matches the present screen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/preview/packed_dib.h"
#include "platform/file_system.h"
#include "platform/profile.h"

namespace korva {

inline constexpr char kPreviewImageFile[] = "\\PREVIB7.BMP";
inline constexpr char kZoomImageFile[] = "\\ZOOMINB6.BMP";
inline constexpr char kFocusImageFile[] = "\\FOCUSBB6.BMP";

inline constexpr uint32_t kFileHeaderBytes = 14;
inline constexpr uint32_t kImageFileHeadersBytes = kFileHeaderBytes + kInfoHeaderBytes;  // 54
// Files are written and read in pieces of at most this many bytes.
inline constexpr size_t kImageFilePieceBytes = 32000;
// A file that claims more than this is not read: no preview comes near it.
inline constexpr uint64_t kMaxImageFileBytes = uint64_t{256} << 20;

// The driver folder's file: the Windows directory, the value of "Qxtwain" in section "QXTWAINds" of the
// driver INI file (default "\TWAIN_32\VELDRIX"), and the file name.
std::string ImageFilePath(Profile& profile,
                          const std::string& windowsDirectory,
                          const std::string& iniPath,
                          const std::string& fileName);

// The screen-size class: 640; 800 when the screen is wider than 799 pixels; 1024 when wider than 1000.
int32_t ScreenSizeClass(int32_t screenWidth);

enum class ImageWriteResult {
    kWritten,
    kNotOpened,   // the file could not be created; nothing was written
    kNoImage,     // the image is missing or shorter than its header says; the file was deleted
    kShortWrite,  // the file system took fewer bytes than were written; the previous file is kept
};

// Writes a packed bitmap as a bitmap file: "BM", file size 54 + biSizeImage, pixel offset 54, the 40-byte
// info header and biSizeImage bytes of pixels from directly behind it. The file is written under a
// temporary name and replaces the previous one only when complete.
ImageWriteResult WriteImageFile(FileSystem& files, const std::string& path, std::span<const uint8_t> image);

// The focus image: as WriteImageFile, and an old file that cannot be rewritten is deleted.
ImageWriteResult WriteFocusImageFile(FileSystem& files, const std::string& path, std::span<const uint8_t> image);

struct ImageReadContext {
    Profile& profile;
    std::string iniPath;  // the driver INI file holding "Src Size"
    int32_t screenWidth = 0;
};

// Reads a bitmap file into `slot`. Returns false and leaves the slot as it was when the stored
// screen-size class (key "Src Size" of section "Settings", default 640) differs from the present one.
// Otherwise the slot is emptied first, and stays empty (false) when the file is missing, shorter than
// its header, claims a size beyond the file or kMaxImageFileBytes, or holds no valid packed bitmap.
bool ReadImageFile(FileSystem& files, const ImageReadContext& context, const std::string& path, PackedDib& slot);

}  // namespace korva
