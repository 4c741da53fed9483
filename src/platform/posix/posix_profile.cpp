#include "platform/posix/posix_profile.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/posix/ini_document.h"
#include "platform/posix/posix_path.h"

namespace korva {
namespace {

std::optional<IniDocument> LoadDocument(const std::string& file) {
    std::ifstream in(ToPosixPath(file), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return IniDocument::Parse(text.str());
}

// A stored value as the profile functions hand it out: cut at an embedded zero, blanks around it
// removed, and one pair of enclosing quotes dropped.
std::optional<std::string> LookUp(const std::string& file, const std::string& section, const std::string& key) {
    const auto doc = LoadDocument(file);
    if (!doc) {
        return std::nullopt;
    }
    auto value = doc->Find(section, key);
    if (!value) {
        return std::nullopt;
    }
    std::string text = value->substr(0, value->find('\0'));
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

}  // namespace

int32_t PosixProfile::ReadInt(const std::string& file,
                              const std::string& section,
                              const std::string& key,
                              int32_t def) {
    const auto text = LookUp(file, section, key);
    if (!text || text->empty()) {
        return def;
    }
    size_t i = 0;
    bool negative = false;
    if ((*text)[i] == '-' || (*text)[i] == '+') {
        negative = (*text)[i] == '-';
        ++i;
    }
    uint32_t value = 0;
    for (; i < text->size() && (*text)[i] >= '0' && (*text)[i] <= '9'; ++i) {
        value = value * 10u + static_cast<uint32_t>((*text)[i] - '0');
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
}

std::string PosixProfile::ReadString(const std::string& file,
                                     const std::string& section,
                                     const std::string& key,
                                     const std::string& def,
                                     size_t capacity) {
    if (capacity == 0) {
        return {};
    }
    std::string text;
    if (auto value = LookUp(file, section, key)) {
        text = *value;
    } else {
        text = def.substr(0, def.find('\0'));
        const size_t last = text.find_last_not_of(' ');
        text.resize(last == std::string::npos ? 0 : last + 1);
    }
    if (text.size() > capacity - 1) {
        text.resize(capacity - 1);
    }
    return text;
}

bool PosixProfile::WriteString(const std::string& file,
                               const std::string& section,
                               const std::string& key,
                               const std::string& value) {
    IniDocument doc = LoadDocument(file).value_or(IniDocument());
    doc.Set(section, key, value);
    const std::string text = doc.Serialize();
    return WriteThroughTemporary(files_, file, [&text](File& out) {
               return out.Write(text.data(), text.size()) == text.size();
           }) == WriteOutcome::kWritten;
}

bool PosixProfile::DeleteProfileFile(const std::string& file) {
    return std::remove(ToPosixPath(file).c_str()) == 0;
}

}  // namespace korva
