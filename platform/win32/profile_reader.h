#pragma once
// Private-profile (INI) reading: "[section]" lines, "key=value" lines, ';'
// comment lines. Section and key names match without regard to case, the
// first match wins, blanks around names and values are dropped.
#include <cstdint>
#include <string>
#include <vector>

namespace platform::win32 {

// Copies the value of key in section of file into out (size bytes with the
// terminating zero) and returns the number of characters copied. A missing
// file, section or key gives defaultText (null reads as ""). A value longer
// than size - 1 is cut. size 0 copies nothing and returns 0. File paths may
// be Windows-style (see paths.h).
uint32_t getPrivateProfileString(const char* section, const char* key, const char* defaultText,
                                 char* out, uint32_t size, const char* file);

// One "key=value" line as the reader sees it; line numbers count from 1.
struct ProfileEntry {
    std::string section;  // as written, blanks trimmed
    std::string key;
    std::string value;
    int line = 0;
    bool shadowed = false;  // an earlier same key or same-named section wins
};

// A line that is neither blank, comment, section nor key=value.
struct ProfileProblem {
    int line = 0;
    std::string text;  // what is wrong
};

struct ProfileText {
    std::vector<ProfileEntry> entries;  // in file order
    std::vector<ProfileProblem> problems;
};

// Parses a whole profile text the way getPrivateProfileString reads it.
ProfileText parseProfileText(const std::string& text);

// Profiles are cached by file identity (device, inode, size, times); files
// written through files.h drop their cache entry themselves. Call this after
// rewriting a profile by other means within the file system's time step.
void forgetProfileCache();

}  // namespace platform::win32
