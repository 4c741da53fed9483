#include "core/preview/image_files.h"

#include <algorithm>
#include <array>
#include <new>

namespace korva {
namespace {

constexpr uint16_t kBitmapMagic = 0x4D42;  // "BM"
constexpr int32_t kDefaultScreenClass = 640;
constexpr size_t kDriverFolderCapacity = 80;

bool WriteAll(File& file, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const size_t piece = std::min(bytes.size(), kImageFilePieceBytes);
        if (file.Write(bytes.data(), piece) != piece) {
            return false;
        }
        bytes = bytes.subspan(piece);
    }
    return true;
}

bool ReadAll(File& file, std::span<uint8_t> bytes) {
    while (!bytes.empty()) {
        const size_t piece = std::min(bytes.size(), kImageFilePieceBytes);
        if (file.Read(bytes.data(), piece) != piece) {
            return false;
        }
        bytes = bytes.subspan(piece);
    }
    return true;
}

}  // namespace

std::string ImageFilePath(Profile& profile,
                          const std::string& windowsDirectory,
                          const std::string& iniPath,
                          const std::string& fileName) {
    return windowsDirectory +
           profile.ReadString(iniPath, "QXTWAINds", "Qxtwain", "\\TWAIN_32\\VELDRIX", kDriverFolderCapacity) + fileName;
}

int32_t ScreenSizeClass(int32_t screenWidth) {
    if (screenWidth > 1000) {
        return 1024;
    }
    if (screenWidth > 799) {
        return 800;
    }
    return 640;
}

ImageWriteResult WriteImageFile(FileSystem& files, const std::string& path, std::span<const uint8_t> image) {
    const uint32_t sizeImage = image.size() >= kInfoHeaderBytes ? ReadU32(image, dib::kSizeImage) : 0;
    if (image.size() < kInfoHeaderBytes || sizeImage > image.size() - kInfoHeaderBytes) {
        files.Delete(path);
        return ImageWriteResult::kNoImage;
    }
    std::array<uint8_t, kFileHeaderBytes> header{};
    WriteU16(header, 0, kBitmapMagic);
    WriteU32(header, 2, kImageFileHeadersBytes + sizeImage);
    WriteU32(header, 10, kImageFileHeadersBytes);
    const WriteOutcome outcome = WriteThroughTemporary(files, path, [&](File& file) {
        return WriteAll(file, header) && WriteAll(file, image.first(kInfoHeaderBytes)) &&
               WriteAll(file, image.subspan(kInfoHeaderBytes, sizeImage));
    });
    switch (outcome) {
        case WriteOutcome::kWritten:
            return ImageWriteResult::kWritten;
        case WriteOutcome::kNotOpened:
            return ImageWriteResult::kNotOpened;
        case WriteOutcome::kIncomplete:
            break;
    }
    return ImageWriteResult::kShortWrite;
}

ImageWriteResult WriteFocusImageFile(FileSystem& files, const std::string& path, std::span<const uint8_t> image) {
    const ImageWriteResult result = WriteImageFile(files, path, image);
    if (result == ImageWriteResult::kNotOpened) {
        files.Delete(path);
    }
    return result;
}

bool ReadImageFile(FileSystem& files, const ImageReadContext& context, const std::string& path, PackedDib& slot) {
    const int32_t stored = context.profile.ReadInt(context.iniPath, "Settings", "Src Size", kDefaultScreenClass);
    if (stored != ScreenSizeClass(context.screenWidth)) {
        return false;
    }
    PackedDib().swap(slot);
    auto file = files.Open(path, FileMode::kRead);
    if (!file) {
        return false;
    }
    std::array<uint8_t, kFileHeaderBytes> header{};
    if (file->Read(header.data(), header.size()) != header.size()) {
        return false;
    }
    const uint64_t fileSize = ReadU32(header, 2);
    if (fileSize < kImageFileHeadersBytes || fileSize > file->Size() || fileSize > kMaxImageFileBytes) {
        return false;
    }
    PackedDib bitmap;
    try {
        bitmap.assign(static_cast<size_t>(fileSize - kFileHeaderBytes), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!ReadAll(*file, bitmap) || !ParsePackedDib(bitmap)) {
        return false;
    }
    slot = std::move(bitmap);
    return true;
}

}  // namespace korva
