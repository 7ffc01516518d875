#include "platform/win32/profile_reader.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/win32/native_path.h"

namespace platform::win32 {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string trim(const std::string& text, size_t from, size_t to) {
    while (from < to && isBlank(text[from])) ++from;
    while (to > from && isBlank(text[to - 1])) --to;
    return text.substr(from, to - from);
}

std::string folded(const std::string& name) {
    std::string out = name;
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// Lookup form of one profile: the first section of each name, and in it the
// first value of each key.
using SectionIndex = std::unordered_map<std::string, std::string>;
using ProfileIndex = std::unordered_map<std::string, SectionIndex>;

ProfileIndex indexOf(const ProfileText& text) {
    ProfileIndex index;
    for (const ProfileEntry& entry : text.entries) {
        if (entry.shadowed) continue;
        index[folded(entry.section)].emplace(folded(entry.key), entry.value);
    }
    return index;
}

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    bool operator==(const FileIdentity& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

struct CachedProfile {
    FileIdentity identity;
    std::shared_ptr<const ProfileIndex> index;
};

struct ProfileCache {
    std::mutex mutex;
    std::map<std::string, CachedProfile> files;
};

ProfileCache& cache() {
    static auto* profiles = new ProfileCache;
    return *profiles;
}

bool readWhole(const std::string& path, std::string& text) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    char buf[16384];
    size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, got);
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    return ok;
}

// The parsed profile of a file, or null when it cannot be read.
std::shared_ptr<const ProfileIndex> profileOf(const char* file) {
    std::string path;
    struct stat st;
    if (!statNativePath(file, path, &st) || !S_ISREG(st.st_mode)) return nullptr;
    const FileIdentity identity{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    {
        std::lock_guard lock(cache().mutex);
        auto it = cache().files.find(path);
        if (it != cache().files.end() && it->second.identity == identity) return it->second.index;
    }
    std::string text;
    if (!readWhole(path, text)) return nullptr;
    auto index = std::make_shared<const ProfileIndex>(indexOf(parseProfileText(text)));
    std::lock_guard lock(cache().mutex);
    cache().files[path] = CachedProfile{identity, index};
    return index;
}

uint32_t copyOut(const char* text, size_t length, char* out, uint32_t size) {
    const size_t n = length < size - 1 ? length : size - 1;
    std::memcpy(out, text, n);
    out[n] = '\0';
    return static_cast<uint32_t>(n);
}

}  // namespace

ProfileText parseProfileText(const std::string& text) {
    ProfileText result;
    std::map<std::string, bool> seenSections;  // folded name -> seen
    std::map<std::pair<std::string, std::string>, bool> seenKeys;
    std::string section;
    bool inSection = false;
    bool sectionShadowed = false;
    size_t pos = 0;
    // A UTF-8 byte order mark is not part of the first line.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
    for (int line = 1; pos <= text.size(); ++line) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        const std::string content = trim(text, pos, end);
        pos = end + 1;
        if (content.empty() || content[0] == ';') continue;
        if (content[0] == '[') {
            const size_t close = content.find(']');
            if (close == std::string::npos) {
                result.problems.push_back({line, "section name not closed with ']'"});
            }
            section = trim(content, 1, close == std::string::npos ? content.size() : close);
            inSection = true;
            // A later section of the same name is never read: the first one wins.
            sectionShadowed = !seenSections.emplace(folded(section), true).second;
            continue;
        }
        const size_t equals = content.find('=');
        if (equals == std::string::npos) {
            result.problems.push_back({line, "line has no '='"});
            continue;
        }
        if (!inSection) {
            result.problems.push_back({line, "key outside any section"});
            continue;
        }
        ProfileEntry entry;
        entry.section = section;
        entry.key = trim(content, 0, equals);
        entry.value = trim(content, equals + 1, content.size());
        entry.line = line;
        if (entry.key.empty()) {
            result.problems.push_back({line, "empty key name"});
            continue;
        }
        entry.shadowed =
            sectionShadowed ||
            !seenKeys.emplace(std::make_pair(folded(section), folded(entry.key)), true).second;
        result.entries.push_back(std::move(entry));
    }
    return result;
}

uint32_t getPrivateProfileString(const char* section, const char* key, const char* defaultText,
                                 char* out, uint32_t size, const char* file) {
    if (out == nullptr || size == 0) return 0;
    if (defaultText == nullptr) defaultText = "";
    if (section != nullptr && key != nullptr && file != nullptr) {
        if (auto profile = profileOf(file)) {
            auto s = profile->find(folded(trim(section, 0, std::strlen(section))));
            if (s != profile->end()) {
                auto k = s->second.find(folded(trim(key, 0, std::strlen(key))));
                if (k != s->second.end()) {
                    return copyOut(k->second.data(), k->second.size(), out, size);
                }
            }
        }
    }
    return copyOut(defaultText, std::strlen(defaultText), out, size);
}

void forgetProfileCache() {
    std::lock_guard lock(cache().mutex);
    cache().files.clear();
}

}  // namespace platform::win32
