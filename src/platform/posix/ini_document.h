// An INI file held as its lines, so that rewriting one key keeps every other section, key, comment
// and the order of the file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korva {

class IniDocument {
  public:
    static IniDocument Parse(const std::string& text);
    std::string Serialize() const;

    // The raw value text of the first `key` in the first `section` (names match without regard to case).
    std::optional<std::string> Find(const std::string& section, const std::string& key) const;
    // Replaces the value of an existing key, or appends the key to its section, or appends the section.
    void Set(const std::string& section, const std::string& key, const std::string& value);

  private:
    std::vector<std::string> lines_;
};

}  // namespace korva
