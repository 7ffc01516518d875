#pragma once
// toNativePath with the file's status from the same lookup, so a caller that
// needs both asks the file system once. Private to platform/win32.
#include <sys/stat.h>

#include <string>

namespace platform::win32 {

// The native path of windowsPath; true with *st filled when it names an
// existing file (symbolic links followed).
bool statNativePath(const char* windowsPath, std::string& native, struct stat* st);

}  // namespace platform::win32
