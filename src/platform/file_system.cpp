#include "platform/file_system.h"

namespace korva {

bool ReadWholeFile(FileSystem& files, const std::string& path, size_t limit, std::vector<uint8_t>& bytes) {
    auto file = files.Open(path, FileMode::kRead);
    if (!file) {
        return false;
    }
    const uint64_t size = file->Size();
    if (size > limit) {
        return false;
    }
    bytes.resize(static_cast<size_t>(size));
    return file->Read(bytes.data(), bytes.size()) == bytes.size();
}

}  // namespace korva
