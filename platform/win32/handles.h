#pragma once
// Handles and the per-thread last error, shaped like the Win32 ones the
// modules were written against.
#include <cstdint>

namespace platform::win32 {

// Files, events and threads are kernel objects closed with closeHandle.
struct KernelObject;
using Handle = KernelObject*;
inline constexpr Handle kInvalidHandle = nullptr;

// A module is named by its load base; a window by an opaque non-null value.
using ModuleHandle = const void*;
using WindowHandle = const void*;

// Closes a file, event or thread handle. A thread still running is let go
// (it ends on its own); its handle is gone. False for a null handle.
bool closeHandle(Handle handle);

// Error codes set by the failing call, read on the same thread.
inline constexpr uint32_t kErrorSuccess = 0;
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorPathNotFound = 3;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorInvalidHandle = 6;
inline constexpr uint32_t kErrorSharingViolation = 32;
inline constexpr uint32_t kErrorFileExists = 80;
inline constexpr uint32_t kErrorInvalidParameter = 87;
inline constexpr uint32_t kErrorInsufficientBuffer = 122;
inline constexpr uint32_t kErrorFilenameTooLong = 206;
inline constexpr uint32_t kErrorGeneric = 31;

uint32_t getLastError();
void setLastError(uint32_t code);

}  // namespace platform::win32
