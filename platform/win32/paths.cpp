#include "platform/win32/paths.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <mutex>

#include "platform/win32/handles.h"
#include "platform/win32/native_path.h"

namespace platform::win32 {
namespace {

struct CurrentDirectory {
    std::mutex mutex;
    std::string path;
    bool known = false;
};

CurrentDirectory& current() {
    static auto* dir = new CurrentDirectory;
    return *dir;
}

std::string currentDirectory() {
    CurrentDirectory& dir = current();
    std::lock_guard lock(dir.mutex);
    if (!dir.known) {
        char buf[4096];
        dir.path = getcwd(buf, sizeof buf) != nullptr ? buf : "/";
        dir.known = true;
    }
    return dir.path;
}

bool exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

// The entry of dir whose name equals name without regard to case.
bool findFolded(const std::string& dir, const std::string& name, std::string& found) {
    DIR* d = opendir(dir.empty() ? "/" : dir.c_str());
    if (d == nullptr) return false;
    bool ok = false;
    while (dirent* entry = readdir(d)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            ok = true;
            break;
        }
    }
    closedir(d);
    return ok;
}

// Rebuilds an absolute path component by component, taking the existing
// spelling of each component that exists only in another letter case.
std::string resolveCase(const std::string& path) {
    std::string out;
    size_t pos = 1;
    bool resolving = true;
    while (pos <= path.size()) {
        size_t next = path.find('/', pos);
        if (next == std::string::npos) next = path.size();
        std::string part = path.substr(pos, next - pos);
        pos = next + 1;
        if (part.empty()) continue;
        std::string candidate = out + "/" + part;
        if (resolving && !exists(candidate)) {
            std::string found;
            if (findFolded(out, part, found)) {
                candidate = out + "/" + found;
            } else {
                resolving = false;  // the rest does not exist in any case
            }
        }
        out = std::move(candidate);
    }
    if (out.empty()) out = "/";
    if (!path.empty() && path.back() == '/' && out.back() != '/') out += '/';
    return out;
}

}  // namespace

bool statNativePath(const char* windowsPath, std::string& native, struct stat* st) {
    native.clear();
    if (windowsPath == nullptr || *windowsPath == '\0') return false;
    std::string path(windowsPath);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    // "C:\x" is absolute; "C:x" is taken from the current directory.
    if (path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        path.erase(0, 2);
    }
    if (path.empty() || path[0] != '/') {
        std::string base = currentDirectory();
        if (base.back() != '/') base += '/';
        path = base + path;
    }
    if (stat(path.c_str(), st) == 0) {
        native = std::move(path);
        return true;
    }
    // A dangling link is still the entry asked for.
    native = exists(path) ? std::move(path) : resolveCase(path);
    return stat(native.c_str(), st) == 0;
}

std::string toNativePath(const char* windowsPath) {
    std::string native;
    struct stat st;
    statNativePath(windowsPath, native, &st);
    return native;
}

uint32_t getCurrentDirectory(uint32_t size, char* buf) {
    const std::string dir = currentDirectory();
    const auto length = static_cast<uint32_t>(dir.size());
    if (buf == nullptr || size <= length) return length + 1;
    std::memcpy(buf, dir.c_str(), length + 1);
    return length;
}

bool setCurrentDirectory(const char* path) {
    std::string native = toNativePath(path);
    struct stat st;
    if (native.empty() || stat(native.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        setLastError(native.empty() ? kErrorInvalidParameter : kErrorPathNotFound);
        return false;
    }
    while (native.size() > 1 && native.back() == '/') native.pop_back();
    CurrentDirectory& dir = current();
    std::lock_guard lock(dir.mutex);
    dir.path = native;
    dir.known = true;
    return true;
}

}  // namespace platform::win32
