// Access to INI profile files, with the semantics of the Windows private-profile functions:
// section and key names match without regard to case, values are trimmed, and writing creates the
// file and the section when they are missing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace korva {

class Profile {
  public:
    virtual ~Profile() = default;

    // The integer value of `key`: `def` when the key or its value is missing, 0 when the text does not
    // start with a number (an optional sign followed by decimal digits).
    virtual int32_t ReadInt(const std::string& file,
                            const std::string& section,
                            const std::string& key,
                            int32_t def) = 0;

    // The text of `key`, or `def` when the key is missing, cut as a zero-terminated copy into a buffer
    // of `capacity` bytes would cut it (at most capacity - 1 characters).
    virtual std::string ReadString(const std::string& file,
                                   const std::string& section,
                                   const std::string& key,
                                   const std::string& def,
                                   size_t capacity) = 0;

    // Sets `key` to `value`, creating the file and the section as needed. False when the file cannot be written.
    virtual bool WriteString(const std::string& file,
                             const std::string& section,
                             const std::string& key,
                             const std::string& value) = 0;

    virtual bool DeleteProfileFile(const std::string& file) = 0;
};

// Booleans are stored as 1 or 0 and count as true only when exactly 1.
inline bool ReadBool(Profile& profile,
                     const std::string& file,
                     const std::string& section,
                     const std::string& key,
                     bool def) {
    return profile.ReadInt(file, section, key, def ? 1 : 0) == 1;
}

inline bool WriteInt(Profile& profile,
                     const std::string& file,
                     const std::string& section,
                     const std::string& key,
                     int32_t value) {
    return profile.WriteString(file, section, key, std::to_string(value));
}

}  // namespace korva
