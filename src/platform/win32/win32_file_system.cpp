#include "platform/win32/win32_services.h"

namespace korva {
namespace {

class Win32File final : public File {
  public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    ~Win32File() override { ::CloseHandle(handle_); }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    size_t Read(void* buffer, size_t size) override {
        size_t total = 0;
        while (total < size) {
            const DWORD chunk = static_cast<DWORD>(size - total > 0x40000000 ? 0x40000000 : size - total);
            DWORD done = 0;
            if (!::ReadFile(handle_, static_cast<char*>(buffer) + total, chunk, &done, nullptr) || done == 0) {
                break;
            }
            total += done;
        }
        return total;
    }
    size_t Write(const void* buffer, size_t size) override {
        size_t total = 0;
        while (total < size) {
            const DWORD chunk = static_cast<DWORD>(size - total > 0x40000000 ? 0x40000000 : size - total);
            DWORD done = 0;
            if (!::WriteFile(handle_, static_cast<const char*>(buffer) + total, chunk, &done, nullptr) || done == 0) {
                break;
            }
            total += done;
        }
        return total;
    }
    bool Seek(uint64_t offset) override {
        LARGE_INTEGER distance;
        distance.QuadPart = static_cast<LONGLONG>(offset);
        return ::SetFilePointerEx(handle_, distance, nullptr, FILE_BEGIN) != FALSE;
    }
    bool Flush() override { return ::FlushFileBuffers(handle_) != FALSE; }
    uint64_t Size() override {
        LARGE_INTEGER size;
        return ::GetFileSizeEx(handle_, &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
    }

  private:
    HANDLE handle_;
};

}  // namespace

std::unique_ptr<File> Win32FileSystem::Open(const std::string& path, FileMode mode) {
    const bool read = mode == FileMode::kRead;
    HANDLE handle = ::CreateFileA(path.c_str(), read ? GENERIC_READ : GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  read ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32File>(handle);
}

bool Win32FileSystem::Delete(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != FALSE;
}

bool Win32FileSystem::Replace(const std::string& from, const std::string& to) {
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32FileSystem::Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::MakeDirectory(const std::string& path) {
    return ::CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::ChangeDirectory(const std::string& path) {
    return ::SetCurrentDirectoryA(path.c_str()) != FALSE;
}

std::string Win32FileSystem::CurrentDirectory() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::vector<std::string> Win32FileSystem::List(const std::string& directory, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((directory + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(found.cFileName);
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

}  // namespace korva
