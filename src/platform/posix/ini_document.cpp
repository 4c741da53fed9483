#include "platform/posix/ini_document.h"

#include <strings.h>
#include <cstddef>

namespace korva {
namespace {

constexpr char kBlanks[] = " \t";

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

// The section name of a "[name]" line, if the line is one.
std::optional<std::string> SectionName(const std::string& line) {
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[') {
        return std::nullopt;
    }
    const size_t close = trimmed.find(']');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    return Trim(trimmed.substr(1, close - 1));
}

// Splits a "key=value" line; comment lines and lines without '=' are not keys.
bool SplitKey(const std::string& line, std::string& key, std::string& value) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') {
        return false;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return false;
    }
    key = Trim(line.substr(0, equals));
    value = line.substr(equals + 1);
    return true;
}

}  // namespace

IniDocument IniDocument::Parse(const std::string& text) {
    IniDocument doc;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        doc.lines_.push_back(std::move(line));
        start = end + 1;
    }
    return doc;
}

std::string IniDocument::Serialize() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::optional<std::string> IniDocument::Find(const std::string& section, const std::string& key) const {
    bool inSection = false;
    for (const std::string& line : lines_) {
        if (auto name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        std::string lineKey;
        std::string value;
        if (inSection && SplitKey(line, lineKey, value) && SameName(lineKey, key)) {
            return value;
        }
    }
    return std::nullopt;
}

void IniDocument::Set(const std::string& section, const std::string& key, const std::string& value) {
    const std::string newLine = key + "=" + value;
    bool inSection = false;
    size_t insertAt = std::string::npos;  // after the last non-blank line of the section
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = SectionName(lines_[i])) {
            if (inSection) {
                break;
            }
            inSection = SameName(*name, section);
            if (inSection) {
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        std::string lineKey;
        std::string lineValue;
        if (SplitKey(lines_[i], lineKey, lineValue) && SameName(lineKey, key)) {
            lines_[i] = newLine;
            return;
        }
        if (!Trim(lines_[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (insertAt != std::string::npos) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
        return;
    }
    while (!lines_.empty() && Trim(lines_.back()).empty()) {
        lines_.pop_back();
    }
    lines_.push_back("[" + section + "]");
    lines_.push_back(newLine);
}

}  // namespace korva
