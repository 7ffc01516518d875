#pragma once
// Windows-style paths mapped to the file system, and the process's current
// directory as the modules see it.
#include <cstdint>
#include <string>

namespace platform::win32 {

// Backslashes become slashes, a leading drive ("C:") is dropped so the rest
// is absolute, and a relative path is taken from the current directory.
// Where a component does not exist as written, an entry of the same name in
// another letter case is used (Windows names ignore case).
std::string toNativePath(const char* windowsPath);

// Copies the current directory into buf and returns its length; when it does
// not fit in size bytes (with the zero), returns the size needed and leaves
// buf untouched. Starts as the process's working directory.
uint32_t getCurrentDirectory(uint32_t size, char* buf);

// Sets the current directory (an existing directory); false otherwise.
bool setCurrentDirectory(const char* path);

}  // namespace platform::win32
