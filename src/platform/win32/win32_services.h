// The platform services on Windows, through the Windows API itself.
#pragma once

#include <windows.h>

#include <string>

#include "platform/services.h"

namespace korva {

class Win32Profile final : public Profile {
  public:
    int32_t ReadInt(const std::string& file, const std::string& section, const std::string& key, int32_t def) override;
    std::string ReadString(const std::string& file,
                           const std::string& section,
                           const std::string& key,
                           const std::string& def,
                           size_t capacity) override;
    bool WriteString(const std::string& file,
                     const std::string& section,
                     const std::string& key,
                     const std::string& value) override;
    bool DeleteProfileFile(const std::string& file) override;
};

class Win32FileSystem final : public FileSystem {
  public:
    std::unique_ptr<File> Open(const std::string& path, FileMode mode) override;
    bool Delete(const std::string& path) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Exists(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    bool ChangeDirectory(const std::string& path) override;
    std::string CurrentDirectory() override;
    std::vector<std::string> List(const std::string& directory, const std::string& pattern) override;
};

class Win32SystemFacts final : public SystemFacts {
  public:
    // An empty override keeps the real Windows directory; tests pass a folder of their own.
    explicit Win32SystemFacts(std::string windowsDirectoryOverride = {})
        : windowsDirectoryOverride_(std::move(windowsDirectoryOverride)) {}
    std::string WindowsDirectory() override;
    int ScreenWidth() override;
    int CaptionHeight() override;
    OsVersion Version() override;
    char DecimalSeparator() override;

  private:
    std::string windowsDirectoryOverride_;
};

class Win32LibraryLoader final : public LibraryLoader {
  public:
    Handle Load(const std::string& path) override;
    Entry Lookup(Handle library, const std::string& name) override;
    void Release(Handle library) override;
};

class Win32MessageBoxes final : public MessageBoxes {
  public:
    int Show(WindowRef owner, const std::string& text, const std::string& caption, unsigned style) override;
    void Beep() override;
};

class Win32StringTable final : public StringTable {
  public:
    explicit Win32StringTable(HINSTANCE instance) : instance_(instance) {}
    std::string Load(int id, size_t capacity) override;

  private:
    HINSTANCE instance_;
};

struct Win32Services {
    explicit Win32Services(HINSTANCE instance, std::string windowsDirectoryOverride = {})
        : system(std::move(windowsDirectoryOverride)), strings(instance) {}
    Win32Services(const Win32Services&) = delete;
    Win32Services& operator=(const Win32Services&) = delete;

    Services Get() { return Services{profile, files, system, libraries, messages, strings}; }

    Win32Profile profile;
    Win32FileSystem files;
    Win32SystemFacts system;
    Win32LibraryLoader libraries;
    Win32MessageBoxes messages;
    Win32StringTable strings;
};

}  // namespace korva
