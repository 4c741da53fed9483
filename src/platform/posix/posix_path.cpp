#include "platform/posix/posix_path.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <memory>

namespace korva {
namespace {

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// The entry of `directory` whose name equals `name` without regard to case, or `name` itself.
std::string MatchEntry(const std::string& directory, const std::string& name) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.empty() ? "/" : directory.c_str()), ::closedir);
    if (!dir) {
        return name;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            return entry->d_name;
        }
    }
    return name;
}

}  // namespace

std::string ToPosixPath(const std::string& windowsPath) {
    std::string path;
    size_t start = 0;
    const bool absolute = !windowsPath.empty() && (windowsPath[0] == '\\' || windowsPath[0] == '/');
    while (start <= windowsPath.size()) {
        size_t end = windowsPath.find_first_of("\\/", start);
        if (end == std::string::npos) {
            end = windowsPath.size();
        }
        const std::string component = windowsPath.substr(start, end - start);
        start = end + 1;
        if (component.empty()) {
            continue;
        }
        const std::string directory = path.empty() ? (absolute ? "/" : ".") : path;
        std::string candidate = path.empty() ? (absolute ? "/" : "") + component : path + "/" + component;
        if (!PathExists(candidate)) {
            const std::string match = MatchEntry(directory, component);
            candidate = path.empty() ? (absolute ? "/" : "") + match : path + "/" + match;
        }
        path = candidate;
    }
    if (path.empty()) {
        return absolute ? "/" : ".";
    }
    return path;
}

}  // namespace korva
